#pragma once
// Reads every game back from the database when the server starts.

#include <QHash>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>
#include <vector>

#include "gameStore.h"

/// Every game (or only the game `only`) in creation order, each with its events by seq, the seats held
/// now by seat and its chat oldest first. A row that cannot be read (JSON that
/// is not an object, a seat out of range) is left out and logged, as is a
/// query that fails; everything else is returned.
std::vector<TStoredGame> ReadStoredGames(const QSqlDatabase& db, const std::optional<QString>& only);
/// The events of game `code` after `after`, in order.
std::vector<QJsonObject> ReadEventsAfter(const QSqlDatabase& db, const QString& code, qint64 after);
/// Every game's last event number.
QHash<QString, qint64> ReadLastEvents(const QSqlDatabase& db);
/// The games whose next flag or pause is due by the database's clock.
QStringList ReadDueGames(const QSqlDatabase& db);
