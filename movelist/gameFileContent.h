#pragma once
// A game as a file holds it, after every check has passed: the turn settings,
// the clock increment and the records of moves 1 to n.

#include <optional>
#include <string>
#include <vector>

#include "veltanbrdKernel.h"

/// The settings a game file carries.
struct TGameFileSettings {
    int PlayersPerTeam = 1;
    int MovesPerTeamTurn = 1;
    int MovesPerPlayerTurn = 1;
    double Increment = 0.0; ///< days, for both teams
};

/// How a game started: its arrangement, owners and clocks.
struct TGameFileStart {
    std::string position; ///< 256 letters: blanks and pieces
    std::string players;  ///< 256 owners
    int positionType = 0; ///< the arrangement: 0 Standard, 1 Quadrant, 2 Castling test
    int rowShift = 0;     ///< 0..2
    double timeStartWhite = 0.0, timeStartBlack = 0.0; ///< days
    double incrementWhite = 0.0, incrementBlack = 0.0; ///< days
};

/// Everything a checked game file holds.
struct TGameFileContent {
    TGameFileSettings settings;
    /// The start as the file records it; older files do not.
    std::optional<TGameFileStart> start;
    /// Records of moves 1..n in order: strings of exactly 256 known letters.
    std::vector<MoveInfo> moves;
    /// WhiteLostOnTime or BlackLostOnTime when the game ended on a clock after
    /// the last of these moves; None otherwise.
    TGameEnding timeLoss = TGameEnding::None;
};
