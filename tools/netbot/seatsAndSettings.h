#pragma once
// Seats and game settings as the protocol writes them, for the bot. The
// message library's own readers take over once they are in every branch; until
// then the bot reads and writes these few fields itself, checked as strictly.

#include <QJsonObject>
#include <QString>
#include <QStringView>
#include <optional>

#include "onlineSettings.h"
#include "seat.h"

/// "white-1" .. "black-4".
QString SeatText(net::TSeat seat);
/// Reads "white-1" .. "black-4"; nothing for any other text.
std::optional<net::TSeat> ReadSeatText(QStringView text);
/// "white" or "black".
QString TeamText(bool white);

/// The arrangement's index for "standard", "quadrant" or "castling"; nothing for other text.
std::optional<int> ReadArrangement(QStringView name);
/// The name of an arrangement index (0..2); empty for any other.
QString ArrangementText(int arrangement);

/// The `settings` object of `create`.
QJsonObject SettingsObject(const net::TOnlineSettings& settings);
/// Settings from a snapshot's `settings`: every field present, whole and in
/// the ranges the game offers; nothing otherwise.
std::optional<net::TOnlineSettings> ReadSettingsObject(const QJsonObject& object);
