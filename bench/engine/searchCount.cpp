// engine_count: one search of the classic start on one thread, stopped after
// a number of positions (200,000 unless given), for an instruction count that
// does not depend on how busy the machine is:
//
//     valgrind --tool=callgrind --toggle-collect='TSearch::FindMove*'
//              build/bench/engine/engine_count 200000        (on one line)
//
// Instructions per position are callgrind's total over the nodes printed.

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "benchPositions.h"
#include "search.h"

int main(int argc, char** argv)
{
    constexpr unsigned long long DefaultPositions = 200'000;
    const unsigned long long positions = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : DefaultPositions;

    TVeltanBrdKernel board;
    enginebench::StartPosition(board, 0, 1);
    TSearch search(engine::TEngineGame(board, board.StartPosition()), 16);
    TSearchLimits limits;
    limits.maxNodes = positions;
    const std::atomic<bool> stop{false};
    const TEngineMove move = search.FindMove(limits, stop);
    std::printf("nodes %llu depth %d move %d-%d score %d\n", static_cast<unsigned long long>(move.nodes),
                move.depth, move.from, move.to, move.score);
    return 0;
}
