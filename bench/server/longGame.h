#pragma once
// A database holding one long game, written the way the server writes games,
// for the benchmark of a watcher joining a game of thousands of moves.

#include <QString>

/// Writes a running game of `moves` moves (one player a team, one move a turn)
/// into a new database at `path`; its code, or an empty text on failure.
QString StoreLongGame(const QString& path, int moves);
