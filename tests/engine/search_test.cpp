// The search: it takes a king that wins at once, saves a last king that would
// be taken next, wins by leaving the enemy without a move, stops promptly when
// told and keeps to its time.

#include <gtest/gtest.h>

#include <thread>

#include "engineTestGames.h"
#include "engineTestPositions.h"
#include "search.h"

namespace {

using namespace enginetest;
using Clock = std::chrono::steady_clock;

TEngineMove Search(const TVeltanBrdKernel& board, TSearchLimits limits)
{
    TSearch search(engine::TEngineGame(board), 4);
    const std::atomic<bool> stop{false};
    return search.FindMove(limits, stop);
}

TSearchLimits Depth(int depth)
{
    TSearchLimits limits;
    limits.maxDepth = depth;
    return limits;
}

struct WinCase {
    const char* name;
    std::vector<Placed> pieces;
    int movesPerTeamTurn, playersPerTeam;
    Square from, to;
};

void PrintTo(const WinCase& c, std::ostream* os)
{
    *os << c.name;
}

class WinningCapture : public testing::TestWithParam<WinCase> {};

// A queen hangs beside the last Black king: taking the king ends the game.
// Where another player of the team must move first, any first move will do.
TEST_P(WinningCapture, TakesTheLastKing)
{
    const WinCase& c = GetParam();
    TVeltanBrdKernel board;
    SetUpPieces(board, c.pieces, c.movesPerTeamTurn, c.playersPerTeam);
    const TEngineMove first = Search(board, Depth(4));
    EXPECT_GT(first.score, WinScore - TSearch::MaxPly);
    if (c.from != SqrNone) {
        EXPECT_EQ(first.from, c.from);
        EXPECT_EQ(first.to, c.to);
    }
    for (TEngineMove move = first; board.WhiteToMove() && !board.GameEnded(); move = Search(board, Depth(4)))
        ASSERT_TRUE(board.PerformMove(move.from, move.to));
    EXPECT_TRUE(board.GameEnded());
    EXPECT_EQ(board.position().find('k'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Search, WinningCapture,
    testing::Values(
        WinCase{
            "RookTakesKing", {{E04, 'R'}, {E12, 'k'}, {F12, 'q'}, {A01, 'K'}, {B01, 'P'}}, 1, 1, E04, E12},
        WinCase{"KnightTakesKingNotQueen",
                {{H08, 'N'}, {I12, 'k'}, {L09, 'q'}, {A01, 'K'}, {P16, 'r'}},
                1,
                1,
                H08,
                I12},
        // The second player of the team owns the only piece that reaches the king.
        WinCase{"SecondPlayerTakesKing",
                {{A02, 'P', '1'}, {C03, 'B', '2'}, {F06, 'k'}, {H06, 'q'}, {P01, 'K', '1'}},
                2,
                2,
                SqrNone,
                SqrNone},
        WinCase{"LastOfFourKings", {{C03, 'B'}, {F06, 'k'}, {A01, 'K'}, {P16, 'r'}}, 4, 1, C03, F06}),
    [](const testing::TestParamInfo<WinCase>& info) { return std::string(info.param.name); });

TEST(Search, SecondPlayerTakesTheKingAfterTheFirstHasMoved)
{
    TVeltanBrdKernel board;
    SetUpPieces(board, {{A02, 'P', '1'}, {C03, 'B', '2'}, {F06, 'k'}, {H06, 'q'}, {P01, 'K', '1'}}, 2, 2);
    ASSERT_TRUE(board.PerformMove(A02, A03));
    const TEngineMove move = Search(board, Depth(2));
    EXPECT_EQ(move.from, C03);
    EXPECT_EQ(move.to, F06);
}

struct DefenceCase {
    const char* name;
    std::vector<Placed> pieces;
    int movesPerTeamTurn;
};

void PrintTo(const DefenceCase& c, std::ostream* os)
{
    *os << c.name;
}

class Defence : public testing::TestWithParam<DefenceCase> {};

// White's last king is attacked; after White's turn Black must not be able to take it.
TEST_P(Defence, SavesTheLastKing)
{
    const DefenceCase& c = GetParam();
    TVeltanBrdKernel board;
    SetUpPieces(board, c.pieces, c.movesPerTeamTurn);
    while (board.WhiteToMove() && !board.GameEnded()) {
        const TEngineMove move = Search(board, Depth(4));
        ASSERT_NE(move.from, SqrNone);
        ASSERT_TRUE(board.PerformMove(move.from, move.to));
    }
    for (const auto& [from, to] : KernelMoves(board))
        EXPECT_NE(board.PieceOn(to), 'K') << TVeltanBrdKernel::SquareToString(from) << " takes the king";
}

INSTANTIATE_TEST_SUITE_P(
    Search, Defence,
    testing::Values(
        DefenceCase{"RookOnTheFile", {{H01, 'K'}, {A02, 'P'}, {H12, 'r'}, {P16, 'k'}}, 1},
        DefenceCase{"KnightLeap", {{H04, 'K'}, {A02, 'P'}, {I08, 'n'}, {P16, 'k'}}, 1},
        DefenceCase{"TwoAttackers", {{H04, 'K'}, {A02, 'P'}, {I08, 'n'}, {A04, 'r'}, {P16, 'k'}}, 1},
        DefenceCase{"PawnTwoSquaresAway", {{H04, 'K'}, {A02, 'P'}, {J06, 'p'}, {P16, 'k'}}, 1},
        DefenceCase{"TwoMoveTurn", {{H01, 'K'}, {A02, 'P'}, {H12, 'r'}, {G14, 'q'}, {P16, 'k'}}, 2}),
    [](const testing::TestParamInfo<DefenceCase>& info) { return std::string(info.param.name); });

TEST(Search, WinsByLeavingTheEnemyNoMove)
{
    TVeltanBrdKernel board;
    // Black's king and pawns are locked in the corner; any quiet White move wins.
    SetUpPieces(board, {{A01, 'k'}, {A02, 'p'}, {B02, 'p'}, {B01, 'p'}, {C01, 'p'}, {P16, 'K'}, {P10, 'R'}});
    const TEngineMove move = Search(board, Depth(2));
    EXPECT_GT(move.score, WinScore - TSearch::MaxPly);
}

TEST(Search, NoMoveWhenThePlayerHasNone)
{
    TVeltanBrdKernel board;
    SetUpPieces(board, {{A01, 'K'}, {B01, 'N'}, {P16, 'k'}, {O16, 'n'}});
    const std::vector<SquarePair> shuffle = {{B01, C05}, {O16, N12}, {C05, B01}, {N12, O16}};
    for (int i = 0; !KernelMoves(board).empty(); ++i)
        ASSERT_TRUE(board.PerformMove(shuffle[i % 4].first, shuffle[i % 4].second));
    EXPECT_EQ(Search(board, Depth(3)).from, SqrNone);
}

TEST(Search, LeavesItsGameAsItFoundIt)
{
    TVeltanBrdKernel board;
    StartGame(board, {Arrangement::Quadrant, 1, 2, 2});
    TSearch search(engine::TEngineGame(board), 4);
    const std::string position = search.Game().PositionText();
    const std::uint64_t key = search.Game().Key();
    const std::atomic<bool> stop{false};
    TSearchLimits limits = Depth(3);
    const TEngineMove move = search.FindMove(limits, stop);
    EXPECT_EQ(search.Game().PositionText(), position);
    EXPECT_EQ(search.Game().Key(), key);
    EXPECT_TRUE(board.MoveIsLegal(move.from, move.to));
}

// The board keeps one search from move to move. Reset to another game, it
// searches that game: forgetting what it learnt, exactly as a new search
// would; keeping it, still a legal move of the new game.
TEST(Search, ResetSearchesTheNewGame)
{
    TVeltanBrdKernel first, second;
    StartGame(first, {Arrangement::Classic, 0, 1, 1});
    StartGame(second, {Arrangement::Quadrant, 1, 2, 2});
    const std::atomic<bool> stop{false};
    for (const bool keepLearnt : {false, true}) {
        TSearch search(engine::TEngineGame(first), 4);
        search.FindMove(Depth(3), stop);
        search.Reset(engine::TEngineGame(second), keepLearnt);
        EXPECT_EQ(search.Game().PositionText(), second.position());
        const TEngineMove move = search.FindMove(Depth(3), stop);
        EXPECT_TRUE(second.MoveIsLegal(move.from, move.to)) << "keepLearnt " << keepLearnt;
        if (!keepLearnt) {
            const TEngineMove fresh = Search(second, Depth(3));
            EXPECT_EQ(move.from, fresh.from);
            EXPECT_EQ(move.to, fresh.to);
            EXPECT_EQ(move.score, fresh.score);
        }
    }
}

// A report after each iteration leaves the fixed-depth search exactly as it
// was, and its line is a line of legal moves that begins with the move chosen.
TEST(Search, ProgressReportLeavesTheChoiceAlone)
{
    TVeltanBrdKernel board;
    StartGame(board, {Arrangement::Quadrant, 1, 2, 2});
    const TEngineMove silent = Search(board, Depth(4));
    TSearch search(engine::TEngineGame(board), 4);
    std::vector<TSearchProgress> reports;
    search.SetProgressReport([&reports](const TSearchProgress& progress) { reports.push_back(progress); });
    const std::atomic<bool> stop{false};
    const TEngineMove reported = search.FindMove(Depth(4), stop);
    EXPECT_EQ(reported.from, silent.from);
    EXPECT_EQ(reported.to, silent.to);
    EXPECT_EQ(reported.score, silent.score);
    EXPECT_EQ(reported.nodes, silent.nodes);
    ASSERT_EQ(reports.size(), 4u);
    const TSearchProgress& last = reports.back();
    EXPECT_EQ(last.depth, 4);
    EXPECT_EQ(last.score, reported.score);
    ASSERT_FALSE(last.line.empty());
    EXPECT_EQ(last.line.front(), TSquareMove(reported.from, reported.to));
    for (const auto& [from, to] : last.line)
        ASSERT_TRUE(board.PerformMove(from, to)) << board.SquareToString(from) << board.SquareToString(to);
}

// From another thread, as the board's user-interface thread will do it; with
// helper threads the whole search ends, not only the main one.
TEST(Search, StopsSoonAfterTheStopFlag)
{
    for (const int threads : {1, 2}) {
        TVeltanBrdKernel board;
        StartGame(board, {Arrangement::Classic, 0, 4, 2});
        TSearch search(engine::TEngineGame(board), 8);
        std::atomic<bool> stop{false};
        TSearchLimits limits;
        limits.threads = threads;
        TEngineMove move;
        Clock::time_point finished;
        std::thread worker([&] {
            move = search.FindMove(limits, stop);
            finished = Clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const Clock::time_point stopped = Clock::now();
        stop = true;
        worker.join();
        // Generous for sanitizer builds on a busy machine: a search that missed
        // the flag would not end at all, since it has no other limit.
        EXPECT_LT(finished - stopped, std::chrono::milliseconds(250)) << threads << " threads";
        EXPECT_TRUE(board.MoveIsLegal(move.from, move.to)) << threads << " threads";
    }
}

TEST(Search, StoppedBeforeItBeginsStillGivesALegalMove)
{
    TVeltanBrdKernel board;
    StartGame(board, {Arrangement::RooksAndKings, 2, 1, 1});
    TSearch search(engine::TEngineGame(board), 1);
    const std::atomic<bool> stop{true};
    const TEngineMove move = search.FindMove(TSearchLimits{}, stop);
    EXPECT_EQ(move.depth, 0);
    EXPECT_TRUE(board.MoveIsLegal(move.from, move.to));
}

TEST(Search, KeepsToItsTime)
{
    for (const int milliseconds : {50, 400}) {
        TVeltanBrdKernel board;
        StartGame(board, {Arrangement::Quadrant, 0, 1, 1});
        TSearch search(engine::TEngineGame(board), 8);
        const std::atomic<bool> stop{false};
        TSearchLimits limits;
        limits.moveTime = std::chrono::milliseconds(milliseconds);
        const Clock::time_point start = Clock::now();
        const TEngineMove move = search.FindMove(limits, stop);
        const auto spent = Clock::now() - start;
        EXPECT_LT(spent, limits.moveTime + std::chrono::milliseconds(200)) << milliseconds << " ms allowed";
        EXPECT_TRUE(board.MoveIsLegal(move.from, move.to));
    }
}

TEST(MoveTime, ASensibleShareOfTheClock)
{
    using std::chrono::milliseconds;
    struct Case {
        milliseconds remaining, increment;
        int moves;
        milliseconds expected;
    };
    for (const Case& c : {Case{milliseconds(60'000), milliseconds(5'000), 1, milliseconds(4'750)},
                          Case{milliseconds(60'000), milliseconds(5'000), 4, milliseconds(1'187)},
                          Case{milliseconds(3'600'000), milliseconds(0), 2, milliseconds(59'500)},
                          Case{milliseconds(1'000), milliseconds(60'000), 1, milliseconds(250)},
                          Case{milliseconds(20'000), milliseconds(0), 1, milliseconds(20)},
                          Case{milliseconds(1), milliseconds(5'000), 1, milliseconds(1)},
                          Case{milliseconds(0), milliseconds(5'000), 1, milliseconds(1)}})
        EXPECT_EQ(MoveTimeFor(c.remaining, c.increment, c.moves), c.expected) << c.remaining.count();
}

// A game without increment, played with the clock: every move costs its
// thinking plus what making and showing it costs. With a minute on the clock
// the team still has time after far more moves than a game lasts.
TEST(MoveTime, AMinuteLastsALongGameWithoutIncrement)
{
    using std::chrono::milliseconds;
    constexpr milliseconds CostBesidesThinking{20};
    constexpr int MovesPlayed = 1000;
    for (const int movesPerTeamTurn : {1, 2, 4}) {
        milliseconds left{60'000};
        for (int move = 0; move < MovesPlayed; ++move)
            left -= MoveTimeFor(left, milliseconds(0), movesPerTeamTurn) + CostBesidesThinking;
        EXPECT_GT(left, milliseconds(0)) << movesPerTeamTurn << " moves a turn";
    }
}

} // namespace
