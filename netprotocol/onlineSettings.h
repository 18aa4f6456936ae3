#pragma once
// The settings of an online game, those of the options dialog: the
// arrangement, the row shift, players and moves of a team turn, both clocks'
// minutes and increments. Read from and written as the protocol's JSON.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>

namespace net {

/// Longest time control a game may have, in minutes a team, and the largest increment.
inline constexpr int MaxMinutes = 24 * 60;
inline constexpr int MaxIncrementSeconds = 10 * 60;

/// An online game's settings. Arrangements are the start catalogue's entries.
struct TOnlineSettings {
    int arrangement = 0; ///< 0 "standard", 1 "quadrant", 2 "castling"
    int rowShift = 0;    ///< 0..2
    int playersPerTeam = 1;
    int movesPerTeamTurn = 4;
    int minutesWhite = 60; ///< 1..MaxMinutes
    int minutesBlack = 60;
    int incrementWhite = 5; ///< seconds, 0..MaxIncrementSeconds
    int incrementBlack = 5;
    friend bool operator==(const TOnlineSettings&, const TOnlineSettings&) = default;
};

/// Settings read from a message, or what is wrong with them.
struct TSettingsReading {
    std::optional<TOnlineSettings> settings;
    QString problem; ///< empty when settings were read
};

/// Reads {"arrangement", "rowShift", "playersPerTeam", "movesPerTeamTurn",
/// "minutes": {"white", "black"}, "increment": {"white", "black"}}: every
/// field present, whole numbers in range, the turn rules the game offers.
TSettingsReading ReadSettings(const QJsonValue& value);
/// The settings as ReadSettings reads them.
QJsonObject SettingsJson(const TOnlineSettings& settings);
/// "standard", "quadrant" or "castling" for an arrangement index.
QString ArrangementName(int arrangement);

} // namespace net
