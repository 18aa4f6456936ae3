// The protocol's Find for the search of an earlier commit, which has no
// report after each iteration: the protocol gets one report when the search
// has ended, with the best move as its whole line.

#include <chrono>

#include "engineSearch.h"

namespace {

// Where that search's forced results begin, as it counts them.
constexpr int ForcedResultBound = WinScore - 1000;

} // namespace

TEngineMove TEngineSearch::Find(const TSearchLimits& limits, const std::atomic<bool>& stop,
                                const TIterationListener& listener)
{
    const auto start = std::chrono::steady_clock::now();
    const TEngineMove move = search_->FindMove(limits, stop);
    if (listener && move.depth > 0)
        listener(
            {move.depth,
             ProtocolScore(move.score, ForcedResultBound),
             move.nodes,
             std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start),
             {{move.from, move.to}}});
    return move;
}
