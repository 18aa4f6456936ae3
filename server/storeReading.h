#pragma once
// Reads every game back from the database when the server starts.

#include <QSqlDatabase>
#include <vector>

#include "gameStore.h"

/// Every game in creation order, each with its events by seq, the seats held
/// now by seat and its chat oldest first. A row that cannot be read (JSON that
/// is not an object, a seat out of range) is left out and logged, as is a
/// query that fails; everything else is returned.
std::vector<TStoredGame> ReadStoredGames(const QSqlDatabase& db);
