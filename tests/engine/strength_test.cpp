// The strength steps: every step plays legal moves and plays them again
// with the same seed, and the weakest takes a piece left hanging in most
// games but not in all, where the strongest never lets it go.

#include <gtest/gtest.h>

#include "engineTestGames.h"
#include "engineTestPositions.h"
#include "search.h"
#include "searchStrength.h"

namespace {

using namespace enginetest;

// Enough for every step's first iterations, so the test stays quick.
constexpr std::uint64_t TestNodes = 20'000;

TEngineMove StepMove(const TVeltanBrdKernel& board, int step, std::uint64_t seed)
{
    TSearch search(engine::TEngineGame(board), 1);
    TSearchLimits limits;
    limits.maxNodes = TestNodes;
    limits.strength = step;
    limits.seed = seed;
    const std::atomic<bool> stop{false};
    return search.FindMove(limits, stop);
}

std::string StepName(const testing::TestParamInfo<int>& info)
{
    return "Step" + std::to_string(info.param);
}

class StrengthStep : public testing::TestWithParam<int> {};

// Both teams play the step from the start, two moves a turn by two players;
// the same seed gives the same game.
TEST_P(StrengthStep, PlaysLegalMovesAgainWithTheSameSeed)
{
    constexpr int Moves = 12;
    constexpr std::uint64_t Seed = 41;
    std::vector<std::vector<SquarePair>> games;
    for (int run = 0; run < 2; ++run) {
        TVeltanBrdKernel board;
        StartGame(board, {Arrangement::Classic, 0, 2, 2});
        std::vector<SquarePair> played;
        for (int i = 0; i < Moves && !board.GameEnded(); ++i) {
            const TEngineMove move = StepMove(board, GetParam(), Seed);
            ASSERT_TRUE(board.PerformMove(move.from, move.to))
                << "move " << i + 1 << ": " << TVeltanBrdKernel::SquareToString(move.from) << "-"
                << TVeltanBrdKernel::SquareToString(move.to);
            played.emplace_back(move.from, move.to);
        }
        games.push_back(played);
    }
    EXPECT_EQ(games[0], games[1]);
}

INSTANTIATE_TEST_SUITE_P(Search, StrengthStep, testing::Range(1, StrengthSteps + 1), StepName);

struct HangingCase {
    int step;
    int leastTaken, mostTaken; ///< of Seeds games
};

void PrintTo(const HangingCase& c, std::ostream* os)
{
    *os << "step " << c.step;
}

class HangingPiece : public testing::TestWithParam<HangingCase> {};

// Black's knight stands unguarded in the rook's file; White has plenty of
// other moves.
TEST_P(HangingPiece, IsTakenAsOftenAsTheStepSees)
{
    constexpr int Seeds = 20;
    TVeltanBrdKernel board;
    SetUpPieces(board, {{A01, 'K'},
                        {E04, 'R'},
                        {H02, 'P'},
                        {I02, 'P'},
                        {J02, 'P'},
                        {C03, 'B'},
                        {L03, 'N'},
                        {E10, 'n'},
                        {P16, 'k'},
                        {O15, 'p'},
                        {P15, 'p'},
                        {N14, 'p'}});
    int taken = 0;
    for (std::uint64_t seed = 1; seed <= Seeds; ++seed) {
        const TEngineMove move = StepMove(board, GetParam().step, seed);
        taken += move.from == E04 && move.to == E10;
    }
    EXPECT_GE(taken, GetParam().leastTaken);
    EXPECT_LE(taken, GetParam().mostTaken);
}

INSTANTIATE_TEST_SUITE_P(Search, HangingPiece,
                         testing::Values(
                             // Most of the time, but a beginner overlooks it now and then.
                             HangingCase{1, 12, 19},
                             // The strongest step never misses it.
                             HangingCase{StrengthSteps, 20, 20}),
                         [](const auto& info) { return "Step" + std::to_string(info.param.step); });

} // namespace
