#pragma once
// A game as a file holds it, after every check has passed: the turn settings,
// the clock increment and the records of moves 1 to n.

#include <vector>

#include "veltanbrdKernel.h"

/// The settings a game file carries.
struct TGameFileSettings {
    int PlayersPerTeam = 1;
    int MovesPerTeamTurn = 1;
    int MovesPerPlayerTurn = 1;
    double Increment = 0.0; ///< days, for both teams
};

/// Everything a checked game file holds.
struct TGameFileContent {
    TGameFileSettings settings;
    /// Records of moves 1..n in order: strings of exactly 256 known letters.
    std::vector<MoveInfo> moves;
};
