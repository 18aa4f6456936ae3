// Jumps in the history rebuild everything the live game knew at that record:
// which pieces are unmoved, and whether the game had ended there.

#include <gtest/gtest.h>

#include <functional>

#include "endingGames.h"
#include "testBoard.h"

namespace {

using TMoves = std::vector<std::pair<Square, Square>>;

// A fresh board with the same start that reads the records as a game file
// would hand them over, then jumps to record `moveno`.
void LoadInto(TRecordingKernel& loaded, const TVeltanBrdKernel& played, const std::vector<Placed>& start,
              int moveno)
{
    SetUpGame(loaded, start, played.MovesPerTeamTurn(), played.PlayersPerTeam());
    loaded.OnDraw = played.OnDraw;
    for (int i = 1; i <= played.HistoryEnd(); ++i)
        loaded.LoadMove(i, played.GetMove(i));
    ASSERT_TRUE(loaded.GotoMove(moveno));
}

struct UnmovedCase {
    const char* name;
    TMoves played;
    int jumpTo;
    std::pair<Square, Square> probe;
    bool legal;
};

void PrintTo(const UnmovedCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<Placed> CastlingStart = {{I01, 'K'}, {A01, 'R'}, {P01, 'R'},
                                           {E02, 'P'}, {I16, 'k'}, {A16, 'r'}};

class UnmovedAfterAJump : public testing::TestWithParam<UnmovedCase> {};

TEST_P(UnmovedAfterAJump, FollowsTheRecordShown)
{
    const UnmovedCase& c = GetParam();
    TRecordingKernel board;
    SetUpGame(board, CastlingStart);
    for (const auto& [from, to] : c.played)
        ASSERT_TRUE(board.PerformMove(from, to));
    const std::string live = board.StartPosition();
    ASSERT_TRUE(board.GotoMove(board.LastMove));
    EXPECT_EQ(board.StartPosition(), live);

    ASSERT_TRUE(board.GotoMove(c.jumpTo));
    EXPECT_EQ(board.MoveIsLegal(c.probe.first, c.probe.second), c.legal) << "after the jump";
    TRecordingKernel loaded;
    LoadInto(loaded, board, CastlingStart, c.jumpTo);
    EXPECT_EQ(loaded.MoveIsLegal(c.probe.first, c.probe.second), c.legal) << "after loading";
    EXPECT_EQ(loaded.StartPosition(), board.StartPosition());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnmovedAfterAJump,
    testing::Values(UnmovedCase{"KingBackToTheStartMayCastle", {{I01, I02}, {I16, I15}}, 0, {I01, A01}, true},
                    UnmovedCase{
                        "PawnBackToTheStartMayAdvanceFour", {{E02, E03}, {I16, I15}}, 0, {E02, E06}, true},
                    UnmovedCase{"KingThatWalkedOutAndBackMayNotCastle",
                                {{I01, I02}, {I16, I15}, {I02, I01}, {I15, I16}},
                                4,
                                {I01, A01},
                                false},
                    UnmovedCase{"RookThatMovedAndCameBackMayNotBeCastledOnto",
                                {{P01, P02}, {I16, I15}, {P02, P01}, {I15, I16}},
                                4,
                                {I01, P01},
                                false}),
    [](const testing::TestParamInfo<UnmovedCase>& info) { return std::string(info.param.name); });

class EndingAfterAJump : public testing::TestWithParam<TEndingGame> {};

TEST_P(EndingAfterAJump, IsTheEndingTheLiveGameReached)
{
    const TEndingGame& c = GetParam();
    TRecordingKernel board;
    int draws = 0;
    board.OnDraw = [&draws](TVeltanBrdKernel&) { ++draws; };
    SetUpGame(board, c.start, c.movesPerTeamTurn);
    c.play(board);
    ASSERT_TRUE(board.GameEnded());
    EXPECT_EQ(board.Ending(), c.ending);
    ASSERT_FALSE(board.messages.empty() && draws == 0);
    if (!board.messages.empty()) {
        EXPECT_EQ(board.messages.back(), TVeltanBrdKernel::EndingMessage(c.ending));
    }
    const int last = board.LastMove;

    // One step back the game is open again; stepping forward in a running
    // game to the last record ends it where it ended before.
    ASSERT_TRUE(board.GotoMove(last - 1));
    EXPECT_EQ(board.Ending(), TGameEnding::None);
    EXPECT_EQ(board.LineEnding(), c.ending);
    board.SetGameEnded(false);
    ASSERT_TRUE(board.GotoMove(last));
    EXPECT_TRUE(board.GameEnded());
    EXPECT_EQ(board.Ending(), c.ending);

    TRecordingKernel loaded;
    LoadInto(loaded, board, c.start, last);
    EXPECT_EQ(loaded.Ending(), c.ending);
}

INSTANTIATE_TEST_SUITE_P(Games, EndingAfterAJump, testing::ValuesIn(BoardEndingGames()), EndingGameName);

// A clock runs out for the team to move at the record shown, `lostAt`; the
// board then looks at `lookAt`, or play goes on there with one more move.
struct TimeLossCase {
    const char* name;
    int lostAt;
    int lookAt;
    bool moveOn;
    TGameEnding shown;
    TGameEnding line;
    int historyEnd;
};

void PrintTo(const TimeLossCase& c, std::ostream* os)
{
    *os << c.name;
}

class LossOnTime : public testing::TestWithParam<TimeLossCase> {};

TEST_P(LossOnTime, BelongsToTheEndOfTheLine)
{
    const TimeLossCase& c = GetParam();
    TRecordingKernel board;
    SetUpGame(board, {{A01, 'K'}, {H09, 'R'}, {P16, 'k'}, {I08, 'r'}});
    for (const auto& [from, to] : TMoves{{H09, H10}, {I08, I07}, {H10, H11}, {I07, I06}})
        ASSERT_TRUE(board.PerformMove(from, to));
    ASSERT_TRUE(board.GotoMove(c.lostAt));
    board.LoseOnTime(board.WhiteToMove());
    EXPECT_TRUE(board.GameEnded());
    ASSERT_TRUE(board.GotoMove(c.lookAt));
    if (c.moveOn) {
        board.SetGameEnded(false);
        ASSERT_TRUE(board.PerformMove(A01, A02));
    }
    EXPECT_EQ(board.Ending(), c.shown);
    EXPECT_EQ(board.LineEnding(), c.line);
    EXPECT_EQ(board.HistoryEnd(), c.historyEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LossOnTime,
    testing::Values(
        TimeLossCase{"AtTheEnd", 4, 4, false, TGameEnding::WhiteLostOnTime, TGameEnding::WhiteLostOnTime, 4},
        TimeLossCase{"LookedBackAt", 4, 1, false, TGameEnding::None, TGameEnding::WhiteLostOnTime, 4},
        TimeLossCase{"AtAnEarlierRecordCutsTheLine", 3, 3, false, TGameEnding::BlackLostOnTime,
                     TGameEnding::BlackLostOnTime, 3},
        TimeLossCase{"ForgottenByANewLine", 4, 2, true, TGameEnding::None, TGameEnding::None, 3}),
    [](const testing::TestParamInfo<TimeLossCase>& info) { return std::string(info.param.name); });

} // namespace
