#pragma once
// Everything of a game a load may change, taken at one moment, to show that a
// refused file left the game in progress exactly as it was.

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "veltanbrdKernel.h"

/// One history record's fields.
struct TRecordSnapshot {
    std::string position;
    std::string players;
    int oldSquare = 0;
    int newSquare = 0;
    bool white = false;
    double timeLeft = 0.0;
    bool operator==(const TRecordSnapshot&) const = default;
};

/// Board, history up to its end, settings, clocks and turn state.
struct TGameSnapshot {
    std::string position;
    std::string players;
    std::string startPlayers;
    int lastMove = 0;
    int historyEnd = 0;
    std::vector<TRecordSnapshot> records;
    int playersPerTeam = 0;
    int movesPerTeamTurn = 0;
    int movesPerPlayerTurn = 0;
    std::array<double, 6> times{};
    bool whiteToMove = false;
    char currentTeamPlayer = '0';
    std::array<Square, MaxMovesPerTeamTurn> movedPerTurn{};
    bool gameEnded = false;
    bool operator==(const TGameSnapshot&) const = default;
};

/// The game of a board as it stands.
TGameSnapshot Snapshot(const TVeltanBrdKernel& board);

/// A short description for failure messages.
std::ostream& operator<<(std::ostream& out, const TGameSnapshot& snapshot);
