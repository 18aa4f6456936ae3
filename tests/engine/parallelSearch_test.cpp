// Searches on several threads sharing one table: every setting gives a legal
// move, the whole search stops soon after the stop flag, and a search kept
// from move to move goes on working with its helpers.

#include <gtest/gtest.h>

#include "engineTestGames.h"
#include "search.h"

namespace {

using namespace enginetest;

struct ThreadCase {
    GameSetting setting;
    int threads;
    int depth;
};

std::string Name(const ThreadCase& c)
{
    return Name(c.setting) + "_" + std::to_string(c.threads) + "threads";
}

void PrintTo(const ThreadCase& c, std::ostream* os)
{
    *os << Name(c);
}

class ParallelSearch : public testing::TestWithParam<ThreadCase> {};

TEST_P(ParallelSearch, GivesALegalMove)
{
    const ThreadCase& c = GetParam();
    TVeltanBrdKernel board;
    StartGame(board, c.setting);
    TSearch search(engine::TEngineGame(board), 4);
    const std::atomic<bool> stop{false};
    TSearchLimits limits;
    limits.maxDepth = c.depth;
    limits.threads = c.threads;
    // Twice: the second search reuses the helpers of the first.
    for (int round = 0; round < 2; ++round) {
        const TEngineMove move = search.FindMove(limits, stop);
        EXPECT_TRUE(board.MoveIsLegal(move.from, move.to)) << "round " << round;
        EXPECT_EQ(move.depth, c.depth);
        ASSERT_TRUE(board.PerformMove(move.from, move.to));
        search.Reset(engine::TEngineGame(board), true);
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, ParallelSearch,
                         testing::Values(ThreadCase{{Arrangement::Classic, 0, 1, 1}, 2, 4},
                                         ThreadCase{{Arrangement::Quadrant, 1, 2, 2}, 3, 4},
                                         ThreadCase{{Arrangement::RooksAndKings, 2, 4, 4}, 4, 3},
                                         ThreadCase{{Arrangement::Classic, 0, 1, 1}, MaxSearchThreads, 2}),
                         [](const testing::TestParamInfo<ThreadCase>& info) { return Name(info.param); });

} // namespace
