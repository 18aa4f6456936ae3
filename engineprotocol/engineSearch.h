#pragma once
// The search as the protocol drives it. Everything the protocol needs of the
// computer player's search passes through here; a program built on an older
// search (the match's reference engine) puts its own Find in place of
// iterationReports.cpp.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "search.h"
#include "veltanbrdKernel.h"

/// A score as the protocol tells it.
struct TProtocolScore {
    enum class TKind { Centipawns, Win, Loss };
    TKind kind = TKind::Centipawns;
    int value = 0; ///< centipawns for the player to move, or single moves to the forced end
};

/// The protocol's form of a search score; beyond forcedResultBound (or below
/// its negative) the score is a win (loss) WinScore less the moves to it.
TProtocolScore ProtocolScore(int score, int forcedResultBound);

/// What is known after one completed iteration.
struct TIterationReport {
    int depth = 0;
    TProtocolScore score;
    std::uint64_t nodes = 0;
    std::chrono::milliseconds elapsed{0};
    std::vector<std::pair<Square, Square>> line; ///< the expected moves, the best first
};

/// Told of each completed iteration, on the searching thread.
using TIterationListener = std::function<void(const TIterationReport&)>;

/// One search kept from `go` to `go`, so what its table learnt helps the next move.
class TEngineSearch {
public:
    /// A search with a table of hashMegabytes; throws std::bad_alloc when that much memory is not there.
    TEngineSearch(const TVeltanBrdKernel& game, std::size_t hashMegabytes);
    ~TEngineSearch();
    TEngineSearch(const TEngineSearch&) = delete;
    TEngineSearch& operator=(const TEngineSearch&) = delete;

    /// Searches `game` from now on; with keepLearnt the table keeps what it holds.
    void SetGame(const TVeltanBrdKernel& game, bool keepLearnt);

    /// The best move for the game's player to move within the limits or until
    /// `stop`; from is SqrNone when that player has no legal move.
    TEngineMove Find(const TSearchLimits& limits, const std::atomic<bool>& stop,
                     const TIterationListener& listener);

    /// The strength step the following searches play at (0: full strength).
    /// A search without steps (the reference engine's) plays at full strength.
    void SetStrength(int step) { strength_ = step; }

private:
    std::unique_ptr<TSearch> search_;
    int strength_ = 0;
};
