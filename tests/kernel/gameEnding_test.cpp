// Jumps in the history rebuild everything the live game knew at that record:
// which pieces are unmoved, and whether the game had ended there.

#include <gtest/gtest.h>

#include <functional>

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

struct EndingCase {
    const char* name;
    std::vector<Placed> start;
    int movesPerTeamTurn;
    std::function<void(TRecordingKernel&)> play;
    TGameEnding ending;
};

void PrintTo(const EndingCase& c, std::ostream* os)
{
    *os << c.name;
}

// Two kings and two rooks walking round squares of four: no position comes
// back often enough to stand as a repetition, so only the history's size ends it.
void WalkUntilTheHistoryIsFull(TRecordingKernel& board)
{
    const Square white[] = {A01, B01, B02, A02};
    const Square black[] = {P16, O16, O15, P15};
    for (int moveno = 0; moveno < MaxHistoryMoves; ++moveno) {
        const Square* walk = moveno % 2 == 0 ? white : black;
        const int step = moveno / 2;
        ASSERT_TRUE(board.PerformMove(walk[step % 4], walk[(step + 1) % 4])) << moveno;
    }
}

void KnightsDance(TRecordingKernel& board)
{
    const TMoves out = {{A01, B05}, {P16, O12}}, back = {{B05, A01}, {O12, P16}};
    for (int moveno = 0; moveno < 17; ++moveno) {
        const TMoves& leg = (moveno / 2) % 2 == 0 ? out : back;
        ASSERT_TRUE(board.PerformMove(leg[moveno % 2].first, leg[moveno % 2].second)) << moveno;
    }
}

class EndingAfterAJump : public testing::TestWithParam<EndingCase> {};

TEST_P(EndingAfterAJump, IsTheEndingTheLiveGameReached)
{
    const EndingCase& c = GetParam();
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
    board.SetGameEnded(false);
    ASSERT_TRUE(board.GotoMove(last));
    EXPECT_TRUE(board.GameEnded());
    EXPECT_EQ(board.Ending(), c.ending);

    TRecordingKernel loaded;
    LoadInto(loaded, board, c.start, last);
    EXPECT_EQ(loaded.Ending(), c.ending);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndingAfterAJump,
    testing::Values(EndingCase{"KingsCaptured",
                               {{A01, 'K'}, {A02, 'Q'}, {A04, 'k'}, {P16, 'r'}},
                               1,
                               [](TRecordingKernel& b) { ASSERT_TRUE(b.PerformMove(A02, A04)); },
                               TGameEnding::WhiteWon},
                    EndingCase{"TeamCannotMove",
                               {{A03, 'P'}, {A05, 'p'}, {P01, 'K'}, {H16, 'k', '2'}},
                               1,
                               [](TRecordingKernel& b) { ASSERT_TRUE(b.PerformMove(A03, A04)); },
                               TGameEnding::BlackCannotMove},
                    EndingCase{"Repetition",
                               {{A01, 'N'}, {P16, 'n'}, {H04, 'K'}, {H13, 'k'}, {C03, 'R'}, {N14, 'r'}},
                               1,
                               KnightsDance,
                               TGameEnding::Repetition},
                    EndingCase{"HistoryFull",
                               {{A01, 'K'}, {P16, 'k'}, {H09, 'R'}, {I08, 'r'}},
                               1,
                               WalkUntilTheHistoryIsFull,
                               TGameEnding::HistoryFull}),
    [](const testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

} // namespace
