#pragma once
// A new game as the options dialog sets it up: the arrangement from the
// start-position catalogue, the turn settings and both clocks, on a board
// whose history starts afresh.

#include "veltanbrdKernel.h"

/// The dialog's game choices, as numbers: times in minutes, increments in
/// seconds (any int, negative ones included), the rest as the dialog lists them.
struct TGameSetup {
    int startPositionIndex = 0; ///< 0 "Standard", 1 "Quadrant", 2 "Castling test"
    int rowShift = 0;           ///< empty ranks between each edge and the armies, 0..2
    int incrementBlackSeconds = 5;
    int incrementWhiteSeconds = 5;
    int timeWhiteMinutes = 60;
    int timeBlackMinutes = 60;
    int playersPerTeam = 1;   ///< 1, 2 or 4
    int movesPerTeamTurn = 4; ///< 1, 2 or 4, never fewer than playersPerTeam
};

/// True when the dialog could have produced `setup`: an entry and row shift
/// of the catalogue, 1, 2 or 4 players and moves with every player owning at
/// least one move of the team turn. Times and increments may be any integer.
bool IsOfferedGameSetup(const TGameSetup& setup);

/// Sets up a new game on `board` and returns true; returns false and changes
/// nothing for a setup the dialog does not offer. Afterwards White is to move
/// with player 1, the clocks hold the chosen times, the board shows the
/// catalogue's arrangement and owners, and the history is fresh: LastMove 0,
/// record 0 the new start, no record of an earlier game reachable.
bool SetupGame(TVeltanBrdKernel& board, const TGameSetup& setup);
