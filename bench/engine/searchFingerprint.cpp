// engine_fingerprint: the move, score and node count of a fixed-depth search
// on one thread for each of 18 positions (the three starts with 1 and 2
// moves a turn, twelve positions of random games), one line each. A change
// meant only to make the search faster must leave this output unchanged:
//
//     build/bench/engine/engine_fingerprint 5 > before.txt   (then again after, and diff)
//
// Run by hand; depth 5 takes a minute or two. With four moves a turn a search
// of that depth would not even reach the other team, so those starts are left out.

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "benchPositions.h"
#include "search.h"

int main(int argc, char** argv)
{
    constexpr int DefaultDepth = 5;
    constexpr int RandomPositions = 12;
    const int depth = argc > 1 ? std::atoi(argv[1]) : DefaultDepth;

    std::vector<engine::TEngineGame> positions;
    for (int arrangement = 0; arrangement < 3; ++arrangement) {
        for (const int movesPerTeamTurn : {1, 2}) {
            TVeltanBrdKernel board;
            enginebench::StartPosition(board, arrangement, movesPerTeamTurn);
            positions.emplace_back(board, board.StartPosition());
        }
    }
    // Every fifth of 60 spreads the positions over openings and middle games.
    const std::vector<engine::TEngineGame> played = enginebench::RandomGamePositions(5 * RandomPositions);
    for (int i = 0; i < RandomPositions; ++i)
        positions.push_back(played[static_cast<std::size_t>(5 * i + 2)]);

    const std::atomic<bool> stop{false};
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        TSearch search(positions[i], 16);
        TSearchLimits limits;
        limits.maxDepth = depth;
        const TEngineMove move = search.FindMove(limits, stop);
        total += move.nodes;
        std::printf("%2zu depth %d move %3d-%3d score %7d nodes %llu\n", i, move.depth, move.from, move.to,
                    move.score, static_cast<unsigned long long>(move.nodes));
        std::fflush(stdout);
    }
    std::printf("total nodes %llu\n", static_cast<unsigned long long>(total));
    return 0;
}
