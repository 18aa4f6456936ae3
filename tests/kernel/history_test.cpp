// The history: listing, stepping back and forth, jumps, set-up positions and
// the repetition rule.

#include <gtest/gtest.h>

#include "testBoard.h"

namespace {

TRecordingKernel* NewClassicGame(TRecordingKernel& board, int movesPerTeamTurn)
{
    board.NewGame();
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    board.SetGameEnded(false);
    return &board;
}

TEST(MoveListing, NewestFirstAfterWhatTheListHeld)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    std::vector<std::string> lines = {"kept"};
    board.GetMoveList(lines);
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    ASSERT_TRUE(board.PerformMove(H04, H06));
    ASSERT_TRUE(board.PerformMove(A13, A12));
    ASSERT_TRUE(board.PerformMove(B04, B05));
    board.GetMoveList(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"kept", "W:B04-B05", "B:A13-A12", "W:H04-H06"}));
}

TEST(MoveListing, CornerToCorner)
{
    TRecordingKernel board;
    SetUpGame(board, {{A16, 'B'}, {H01, 'K'}, {P02, 'k'}});
    ASSERT_TRUE(board.PerformMove(A16, P01));
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    EXPECT_EQ(lines, std::vector<std::string>{"W:A16-P01"});
}

TEST(Stepping, BackAndForthShowTheRecordsAndTheirTurnState)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    const std::string start = board.position();
    ASSERT_TRUE(board.PerformMove(H04, H06));
    const std::string afterFirst = board.position();
    ASSERT_TRUE(board.PerformMove(A13, A12));
    ASSERT_TRUE(board.PerformMove(B04, B05));
    const std::string afterThird = board.position();

    ASSERT_TRUE(board.MoveBackward());
    EXPECT_EQ(board.LastMove, 2);
    EXPECT_NE(board.position(), afterThird); // the first Back changes the board
    EXPECT_TRUE(board.WhiteToMove());
    ASSERT_TRUE(board.MoveBackward());
    EXPECT_EQ(board.position(), afterFirst);
    EXPECT_FALSE(board.WhiteToMove());
    ASSERT_TRUE(board.MoveBackward());
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(board.position(), start);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    EXPECT_EQ(board.MovesMadeInTurn(), 0);
    EXPECT_FALSE(board.MoveBackward());
    EXPECT_EQ(board.LastMove, 0);

    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(board.MoveForward());
    EXPECT_EQ(board.position(), afterThird);
    EXPECT_FALSE(board.MoveForward());
    EXPECT_FALSE(board.WhiteToMove());
}

TEST(Stepping, AMoveAfterSteppingBackCutsTheHistory)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    ASSERT_TRUE(board.PerformMove(H04, H06));
    ASSERT_TRUE(board.PerformMove(A13, A12));
    ASSERT_TRUE(board.PerformMove(B04, B05));
    ASSERT_TRUE(board.MoveBackward());
    ASSERT_TRUE(board.MoveBackward());
    ASSERT_TRUE(board.PerformMove(C13, C12)); // Black to move after move 1
    EXPECT_EQ(board.LastMove, 2);
    EXPECT_EQ(board.MoveList[1].NewSquare, H06); // nothing before the cut is lost
    EXPECT_EQ(board.MoveList[2].NewSquare, C12);
    EXPECT_FALSE(board.MoveForward());
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"B:C13-C12", "W:H04-H06"}));
}

struct JumpCase {
    int movesPerTeamTurn, moveno;
    bool whiteToMove;
    int madeInTurn;
};

void PrintTo(const JumpCase& c, std::ostream* os)
{
    *os << c.movesPerTeamTurn << " moves a turn, jump to move " << c.moveno;
}

class Jumps : public testing::TestWithParam<JumpCase> {};

TEST_P(Jumps, CompletedTurnsArePassedOn)
{
    const JumpCase c = GetParam();
    TRecordingKernel board;
    NewClassicGame(board, c.movesPerTeamTurn);
    const std::pair<Square, Square> moves[] = {{A04, A05}, {B04, B05}, {A13, A12}, {B13, B12},
                                               {C04, C05}, {D04, D05}, {C13, C12}, {D13, D12}};
    for (const auto& [from, to] : moves)
        ASSERT_TRUE(board.PerformMove(from, to));
    ASSERT_TRUE(board.GotoMove(c.moveno));
    EXPECT_EQ(board.WhiteToMove(), c.whiteToMove);
    EXPECT_EQ(board.MovesMadeInTurn(), c.madeInTurn);
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    EXPECT_FALSE(LegalMoves(board).empty());
}

INSTANTIATE_TEST_SUITE_P(TwoMovesATurn, Jumps,
                         testing::Values(JumpCase{2, 0, true, 0}, JumpCase{2, 1, true, 1},
                                         JumpCase{2, 2, false, 0}, JumpCase{2, 3, false, 1},
                                         JumpCase{2, 4, true, 0}, JumpCase{2, 7, false, 1},
                                         JumpCase{2, 8, true, 0}));

TEST(Jumps, OutOfRangeOrUnwrittenRecordsAreRefused)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    const std::string before = board.position();
    for (const int moveno : {-1, 5, 4097, 1 << 30})
        EXPECT_FALSE(board.GotoMove(moveno)) << moveno;
    EXPECT_EQ(board.position(), before);
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_TRUE(board.GetMove(-3).position.empty());
    EXPECT_TRUE(board.GetMove(5000).position.empty());
}

TEST(Records, WrongLengthStringsArePaddedOrCut)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    MoveInfo shortRecord;
    shortRecord.position = "K";
    shortRecord.players = "1";
    shortRecord.WhiteTeamIsPlaying = true;
    board.LoadMove(1, shortRecord);
    EXPECT_EQ(board.MoveList[1].position.size(), 256u);
    EXPECT_EQ(board.MoveList[1].players, "1" + std::string(255, '0'));
    ASSERT_TRUE(board.GotoMove(1));
    EXPECT_EQ(board.position(), "K" + std::string(255, ' '));

    // Written straight into the public array: still no read or write outside the board.
    board.LoadMove(2, shortRecord);
    board.MoveList[2].position = std::string(5000, 'q') + std::string(1, '\0');
    board.MoveList[2].players = "";
    board.MoveList[2].WhiteTeamIsPlaying = false;
    board.LoadMove(0, shortRecord); // record 0 belongs to the reset
    board.LoadMove(4097, shortRecord);
    EXPECT_NE(board.MoveList[0].position, "K");
    ASSERT_TRUE(board.GotoMove(2));
    EXPECT_EQ(board.position(), std::string(256, 'q'));
    EXPECT_EQ(board.players(), std::string(256, '0'));
}

TEST(Stepping, ANewLineOfPlayStartsFromTheBoardAsItStands)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    ASSERT_TRUE(board.PerformMove(H04, H06));
    ASSERT_TRUE(board.PerformMove(A13, A12));
    board.SetPosition(std::string(255, ' ') + "K");
    board.StartNewHistory();
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_EQ(board.MoveList[0].position, board.position());
    EXPECT_TRUE(board.MoveList[0].WhiteTeamIsPlaying);
    EXPECT_FALSE(board.MoveForward());
    EXPECT_FALSE(board.GotoMove(1)); // the old game's records are out of reach
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    EXPECT_TRUE(lines.empty());
}

TEST(SetUpPosition, RealPiecesOnlyAndNoHistoryChange)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    const std::string players = board.players();
    MoveInfo record;
    record.position = std::string(255, ' ') + "K";
    record.WhiteTeamIsPlaying = false;
    EXPECT_FALSE(board.SetUpPosition(record, 201, true));
    record.position[3] = 'E';
    EXPECT_FALSE(board.SetUpPosition(record, 1, true));
    record.position[3] = 'x';
    EXPECT_FALSE(board.SetUpPosition(record, 1, true));
    record.position = "K";
    EXPECT_FALSE(board.SetUpPosition(record, 1, true));
    EXPECT_TRUE(board.WhiteToMove());
    record.position = std::string(255, ' ') + "K";
    EXPECT_TRUE(board.SetUpPosition(record, 200, true));
    EXPECT_EQ(board.position(), record.position);
    EXPECT_FALSE(board.WhiteToMove()); // taken from the record, not the third argument
    EXPECT_EQ(board.players(), players);
    EXPECT_EQ(board.LastMove, 0);
}

// Two White and two Black knights leaping out and back: the team's turn ends
// repeat every other turn.
struct RepetitionCase {
    int movesPerTeamTurn;
    int firstRepetition; // the move after which no move is legal
};

void PrintTo(const RepetitionCase& c, std::ostream* os)
{
    *os << c.movesPerTeamTurn << " moves a turn";
}

class Repetition : public testing::TestWithParam<RepetitionCase> {};

TEST_P(Repetition, MoreThanThreeEarlierTurnEndsOfTheSameTeam)
{
    const RepetitionCase c = GetParam();
    TRecordingKernel board;
    int repetitions = 0;
    board.OnThreefoldPosition = [&repetitions](TVeltanBrdKernel&) { ++repetitions; };
    SetUpGame(board, {{A01, 'N'}, {C01, 'N'}, {P16, 'n'}, {N16, 'n'}, {H04, 'K'}, {H13, 'k'}},
              c.movesPerTeamTurn);
    const std::pair<Square, Square> out[] = {{A01, B05}, {C01, D05}, {P16, O12}, {N16, M12}};
    const std::pair<Square, Square> back[] = {{B05, A01}, {D05, C01}, {O12, P16}, {M12, N16}};
    int moveno = 0;
    bool outward = true;
    while (moveno < c.firstRepetition) {
        // One turn of each team: White's knights, then Black's.
        for (int team = 0; team < 2 && moveno < c.firstRepetition; ++team) {
            for (int i = 0; i < c.movesPerTeamTurn && moveno < c.firstRepetition; ++i) {
                const auto [from, to] = outward ? out[team * 2 + i] : back[team * 2 + i];
                ASSERT_FALSE(board.IsThreefoldPosition()) << "before move " << moveno + 1;
                ASSERT_TRUE(board.PerformMove(from, to)) << "move " << moveno + 1;
                ++moveno;
            }
        }
        outward = !outward;
    }
    EXPECT_TRUE(board.IsThreefoldPosition());
    EXPECT_EQ(repetitions, 1);
    EXPECT_TRUE(LegalMoves(board).empty());
    EXPECT_FALSE(board.GameEnded()); // no draw handler attached

    ASSERT_TRUE(board.GotoMove(moveno - 1));
    EXPECT_FALSE(board.IsThreefoldPosition());
    EXPECT_FALSE(LegalMoves(board).empty());
}

INSTANTIATE_TEST_SUITE_P(TurnLengths, Repetition,
                         testing::Values(RepetitionCase{1, 17}, RepetitionCase{2, 34}));

TEST(Repetition, NeverBeforeMoveTwelve)
{
    TRecordingKernel board;
    NewClassicGame(board, 1);
    for (int i = 1; i <= 11; ++i)
        board.LoadMove(i, board.MoveList[0]);
    board.LastMove = 11;
    EXPECT_FALSE(board.IsThreefoldPosition());
}

} // namespace
