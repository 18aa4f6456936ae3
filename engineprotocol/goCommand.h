#pragma once
// The `go` command: what a search may spend, read from
//   go [movetime <ms>] [depth <n>] [nodes <n>] [wtime <ms>] [btime <ms>] [winc <ms>] [binc <ms>] [infinite]
// and turned into the search's limits.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "search.h"

/// The limits a `go` command named; what it did not name is absent.
struct TGoRequest {
    std::optional<std::chrono::milliseconds> moveTime;
    std::optional<int> depth;
    std::optional<std::uint64_t> nodes;
    std::optional<std::chrono::milliseconds> whiteTime, blackTime;
    std::chrono::milliseconds whiteIncrement{0}, blackIncrement{0};
    /// Search until `stop`: also when the command names no limit at all.
    bool infinite = false;
};

/// A read `go` command, or what is wrong with it.
struct TGoReading {
    TGoRequest request;
    std::string problem; ///< empty when the command is good
};

/// Reads the words after "go". A clock below zero (a late interface) counts
/// as zero; every other number must be within its range.
TGoReading ReadGo(const std::vector<std::string>& words);

/// The search's limits for the side to move: the named ones, and from the
/// side's clock the game's share of time for one move (MoveTimeFor); the
/// smaller time wins when both are named.
TSearchLimits SearchLimitsFor(const TGoRequest& request, bool whiteToMove, int movesPerTeamTurn);
