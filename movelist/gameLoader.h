#pragma once
// Loading a saved game into the program: the file is read and checked whole
// first, and only a file that passes replaces the game in progress.

#include <QString>

#include "gameFileContent.h"
#include "gameFileOutcome.h"
#include "gameHost.h"
#include "veltanbrdKernel.h"

/// Replaces the board's game with a checked game: ends play, lets the host
/// set up a new game and refresh, stores the settings through their setters,
/// loads the records, sets each team's clock from its last move, jumps to the
/// last move (the board then stands as right after it, the turn passed on when
/// it was complete; the start position with White to move when there are
/// none), ends a game lost on time there and lets the host start play.
void ApplyGameFile(const TGameFileContent& game, TVeltanBrdKernel& board, TGameHost& host);

/// Reads and checks the file at path and, when it passes, applies it. When it
/// does not, nothing of board or host is touched and the message names the
/// file and what is wrong with it.
[[nodiscard]] TGameFileOutcome LoadGameFile(const QString& path, TVeltanBrdKernel& board, TGameHost& host);
