// Start arrangements, options, their setters and warnings, and the reset.

#include <gtest/gtest.h>

#include "testBoard.h"

namespace {

std::string Rank(const std::string& position, int rank)
{
    return position.substr(static_cast<std::size_t>((BoardSize - rank) * BoardSize), BoardSize);
}

TEST(Construction, QuadrantOnTheBoardClassicForTheNextGame)
{
    TRecordingKernel board;
    EXPECT_EQ(Rank(board.position(), 16), "rnbqkbnrrnbqkbnr");
    EXPECT_EQ(Rank(board.position(), 14), "rnbqkbnrrnbqkbnr");
    EXPECT_EQ(Rank(board.position(), 3), "RNBQKBNRRNBQKBNR");
    EXPECT_EQ(Rank(board.position(), 8), std::string(16, ' '));
    EXPECT_EQ(board.players(), std::string(64, '1') + std::string(128, '0') + std::string(64, '1'));
    EXPECT_TRUE(board.GameEnded());
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(board.MovesPerTeamTurn(), 4);
    EXPECT_EQ(board.PromoteTo, 'q');
    EXPECT_EQ(board.SearchDepth(), 1);
    EXPECT_EQ(board.EnPassant(), SqrNone);
    EXPECT_FALSE(board.Thinking());
    EXPECT_EQ(board.MoveList[0].position, board.position());
    EXPECT_TRUE(board.MoveList[0].WhiteTeamIsPlaying);

    board.NewGame();
    EXPECT_EQ(Rank(board.position(), 16), "rrnnbbqqkkbbnnrr");
    EXPECT_EQ(Rank(board.position(), 13), std::string(16, 'p'));
    EXPECT_EQ(Rank(board.position(), 1), "RRNNBBQQKKBBNNRR");
}

struct WarningCase {
    bool players;
    std::size_t length;
    const char* message;
};

void PrintTo(const WarningCase& c, std::ostream* os)
{
    *os << (c.players ? "players" : "position") << " of length " << c.length;
}

class StartStringWarnings : public testing::TestWithParam<WarningCase> {};

TEST_P(StartStringWarnings, WrongLengthIsRefusedWithItsDifference)
{
    const WarningCase c = GetParam();
    TRecordingKernel board;
    const std::string position = board.position(), players = board.players(), start = board.StartPosition();
    if (c.players)
        board.SetStartPlayers(std::string(c.length, '2'));
    else
        board.SetStartPosition(std::string(c.length, 'Q'));
    ASSERT_EQ(board.messages.size(), 1u);
    EXPECT_EQ(board.messages[0], c.message);
    EXPECT_EQ(board.position(), position);
    EXPECT_EQ(board.players(), players);
    EXPECT_EQ(board.StartPosition(), start);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StartStringWarnings,
    testing::Values(WarningCase{false, 255, "System warning: Set_StartPosition - BORDAREAPLS = -1"},
                    WarningCase{false, 257, "System warning: Set_StartPosition - BORDAREAPLS = 1"},
                    WarningCase{false, 0, "System warning: Set_StartPosition - BORDAREAPLS = -256"},
                    WarningCase{false, 260, "System warning: Set_StartPosition - BORDAREAPLS = 4"},
                    WarningCase{true, 100, "System warning: Set_StartPlayers - BORDAREAPLS =-156"},
                    WarningCase{true, 10000, "System warning: Set_StartPlayers - BORDAREAPLS =9744"}));

TEST(StartPosition, ValidTextShowsAtOnceAndStartsTheNextGameOnce)
{
    TRecordingKernel board;
    std::string custom(SquareCount, ' ');
    custom[A16 - 1] = 'k';
    custom[P01 - 1] = 'K';
    custom[H08 - 1] = 'x'; // kept in the start arrays, shown as a blank
    board.SetStartPosition(custom);
    EXPECT_TRUE(board.messages.empty());
    EXPECT_EQ(board.PieceOn(A16), 'k');
    EXPECT_EQ(board.PieceOn(H08), ' ');
    EXPECT_EQ(board.StartPosition(), custom);

    board.NewGame();
    EXPECT_EQ(board.PieceOn(P01), 'K');
    board.NewGame(); // the first new game put the classic arrangement back in place
    EXPECT_EQ(board.PieceOn(P01), 'R');
}

TEST(StartPosition, InitOptionsLeavesTheGameInProgress)
{
    TRecordingKernel board;
    const std::string inProgress = board.StartPosition();
    board.InitOptions();
    EXPECT_EQ(board.StartPosition(), inProgress);
}

TEST(TurnSettings, MovesPerPlayerTurnFollowsBothSetters)
{
    TRecordingKernel board;
    board.SetMovesPerTeamTurn(4);
    board.SetPlayersPerTeam(2);
    EXPECT_EQ(board.MovesPerPlayerTurn(), 2);
    board.SetPlayersPerTeam(4);
    EXPECT_EQ(board.MovesPerPlayerTurn(), 1);
    board.SetMovesPerTeamTurn(2);
    EXPECT_EQ(board.MovesPerPlayerTurn(), 0); // never set by the dialog, and never divided by
    board.SetMovesPerPlayerTurn(3);
    EXPECT_EQ(board.MovesPerPlayerTurn(), 3);
}

TEST(TurnSettings, OutOfRangeValuesAreClamped)
{
    TRecordingKernel board;
    board.SetPlayersPerTeam(0);
    EXPECT_EQ(board.PlayersPerTeam(), 1);
    board.SetMovesPerTeamTurn(100);
    EXPECT_EQ(board.MovesPerTeamTurn(), MaxMovesPerTeamTurn);
    board.SetMovesPerTeamTurn(-3);
    EXPECT_EQ(board.MovesPerTeamTurn(), 1);
    board.SetSearchDepth(0);
    EXPECT_EQ(board.SearchDepth(), 1);
    board.SetSearchDepth(99);
    EXPECT_EQ(board.SearchDepth(), 8);
}

TEST(NewGame, ResetsTurnHistoryAndDefaults)
{
    TRecordingKernel board;
    board.NewGame();
    board.SetMovesPerTeamTurn(1);
    board.SetTimeIncrementWhite(0);
    board.SetGameEnded(false);
    ASSERT_TRUE(board.move(E04, E06));
    ASSERT_TRUE(board.move(E13, E11));
    board.NewGame();
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(board.MovesPerTeamTurn(), 4);
    EXPECT_DOUBLE_EQ(board.TimeIncrementWhite(), 5.0 / 86400);
    EXPECT_DOUBLE_EQ(board.TimeLeftBlack(), 1.0 / 24);
    EXPECT_FALSE(board.MoveForward()); // the old game is not part of the new line
}

struct ShiftCase {
    TStartPositionRowShift shift;
    bool whiteToMove, reversed;
    Square expected;
};

TEST(StartRowsShifted, MovesTowardsTheHomeEdgeOfTheSideToMove)
{
    const ShiftCase cases[] = {
        {SP2RowShift, true, false, E06}, {SP2RowShift, false, false, E10}, {SP2RowShift, true, true, E10},
        {SP2RowShift, false, true, E06}, {SP0RowShift, true, false, E08},  {SP1RowShift, true, false, E07},
    };
    for (const ShiftCase& c : cases) {
        TRecordingKernel board;
        board.SetStartPositionRowShift(c.shift);
        board.SetWhiteToMove(c.whiteToMove);
        EXPECT_EQ(board.StartRowsShifted(E08, c.reversed), c.expected);
    }
    TRecordingKernel board;
    board.SetStartPositionRowShift(SP2RowShift);
    EXPECT_EQ(board.StartRowsShifted(A02, false), SqrNone);
    EXPECT_EQ(board.StartRowsShifted(SqrNone, false), SqrNone);
}

TEST(CopyOptions, CopiesSettingsButNotTheGame)
{
    TRecordingKernel source, copy;
    source.NewGame();
    source.SetStartPositionRowShift(SP1RowShift);
    source.SetStartPositionType(SP2x2);
    source.SetPlayersPerTeam(2);
    source.SetMovesPerTeamTurn(4);
    source.SetTimeLeftWhite(0.5);
    source.SetTimeIncrementBlack(0.25);
    source.SetTimeStartWhite(0.75);
    source.SetComputerPlaysWhite(true);
    copy.SetGameEnded(false);
    source.SetGameEnded(true);
    const int noticesBefore = copy.gameEndedNotices;

    copy.CopyOptionsFrom(source);
    EXPECT_EQ(copy.StartPositionRowShift(), SP1RowShift);
    EXPECT_EQ(copy.StartPositionType(), SP2x2);
    EXPECT_EQ(copy.MovesPerPlayerTurn(), 2);
    EXPECT_EQ(copy.StartPosition(), source.StartPosition());
    EXPECT_EQ(copy.position(), source.position());
    EXPECT_DOUBLE_EQ(copy.TimeLeftWhite(), 0.5);
    EXPECT_DOUBLE_EQ(copy.TimeIncrementBlack(), 0.25);
    EXPECT_NE(copy.TimeStartWhite(), 0.75);
    EXPECT_FALSE(copy.ComputerPlaysWhite());
    EXPECT_TRUE(copy.GameEnded());
    EXPECT_EQ(copy.gameEndedNotices, noticesBefore); // no notice while copying
    EXPECT_TRUE(copy.DoRefreshWindowsBoard());
}

TEST(GameEnded, NoticeOnceAndEnabledFollowsTheFlag)
{
    TRecordingKernel board;
    board.SetGameEnded(false);
    EXPECT_TRUE(board.controlEnabled);
    const int before = board.gameEndedNotices;
    board.SetGameEnded(true);
    board.SetGameEnded(true);
    EXPECT_EQ(board.gameEndedNotices, before + 1);
    EXPECT_FALSE(board.controlEnabled);

    board.SetGameEnded(false);
    board.SetDoRefreshWindowsBoard(false);
    board.SetGameEnded(true);
    EXPECT_EQ(board.gameEndedNotices, before + 1);
    EXPECT_TRUE(board.controlEnabled);
}

} // namespace
