// The computer player: searches on its own thread over a copy of the game,
// plays through move(), and stops when asked.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "startPositionCatalogue.h"
#include "testBoard.h"

namespace {

/// Counts the searches that have found their move.
class TComputerKernel : public TRecordingKernel {
public:
    std::atomic<int> found{0};
    // A search still running calls ComputerMoveFound: it must end before this
    // part of the board goes, as in every board that overrides it.
    ~TComputerKernel() override { CancelThinking(); }

protected:
    void ComputerMoveFound() override { ++found; }
};

void StartComputerGame(TVeltanBrdKernel& board, int movesPerTeamTurn, int depth)
{
    board.SetStartPosition(catalogue::CataloguePosition(catalogue::CastlingTestEntry, 0));
    board.SetStartPlayers(catalogue::CataloguePlayers(catalogue::CastlingTestEntry, 0, 1));
    board.NewGame();
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    board.SetComputerUsesClock(false);
    board.SetSearchDepth(depth);
    board.SetGameEnded(false);
}

TEST(ComputerPlayer, ThinksOnlyWhenItPlaysTheSideToMove)
{
    TComputerKernel board;
    StartComputerGame(board, 1, 1);
    board.Think();
    EXPECT_FALSE(board.Thinking());
    board.SetComputerPlaysBlack(true); // White to move: nothing to do
    EXPECT_FALSE(board.Thinking());
    board.SetComputerPlaysWhite(true);
    EXPECT_TRUE(board.Thinking());
    const std::string before = board.position();
    ASSERT_TRUE(board.PlayComputerMove());
    EXPECT_GE(board.found, 1);
    EXPECT_NE(board.position(), before);
    EXPECT_EQ(board.LastMove, 1);
    // move() asked for Black's reply at once.
    EXPECT_TRUE(board.Thinking());
    board.CancelThinking();
    EXPECT_FALSE(board.Thinking());
    EXPECT_FALSE(board.PlayComputerMove());
}

TEST(ComputerPlayer, PlaysEveryMoveOfItsTeamsTurn)
{
    for (const int moves : {2, 4}) {
        TComputerKernel board;
        StartComputerGame(board, moves, 1);
        board.SetComputerPlaysWhite(true);
        for (int i = 0; i < moves; ++i) {
            ASSERT_TRUE(board.WhiteToMove());
            ASSERT_TRUE(board.PlayComputerMove()) << "move " << i + 1 << " of " << moves;
        }
        EXPECT_FALSE(board.WhiteToMove());
        EXPECT_FALSE(board.Thinking()); // Black is the human's
    }
}

// Two computers play a whole game: it reaches one of the game's endings (a
// win, or a draw the board reports), and the board stays consistent.
TEST(ComputerPlayer, ComputerAgainstComputerPlaysToTheEnd)
{
    TComputerKernel board;
    StartComputerGame(board, 2, 2);
    board.SetComputerPlaysBlack(true);
    board.SetComputerPlaysWhite(true);
    while (board.Ending() == TGameEnding::None && board.PlayComputerMove()) {
    }
    ASSERT_NE(board.Ending(), TGameEnding::None) << "after " << board.LastMove << " moves";
    if (board.GameEnded()) {
        EXPECT_EQ(board.messages.back(), TVeltanBrdKernel::EndingMessage(board.Ending()));
    }
    std::string why;
    EXPECT_TRUE(board.CheckConsistency(why)) << why;
}

TEST(ComputerPlayer, CancellingStopsALongSearchPromptly)
{
    TComputerKernel board;
    StartComputerGame(board, 1, 1);
    board.SetComputerUsesClock(true);
    board.SetTimeLeftWhite(10.0); // ten days: the clock alone would allow minutes
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(board.Thinking());
    const auto start = std::chrono::steady_clock::now();
    board.CancelThinking();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(500)); // generous: the machine may be busy
    EXPECT_FALSE(board.Thinking());
    EXPECT_FALSE(board.PlayComputerMove());
    EXPECT_EQ(board.LastMove, 0);
}

TEST(ComputerPlayer, AMoveFoundAfterTheGameEndedIsDropped)
{
    TComputerKernel board;
    StartComputerGame(board, 1, 1);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(board.Thinking());
    board.SetGameEnded(true); // a flag fall
    EXPECT_FALSE(board.Thinking());
    EXPECT_FALSE(board.PlayComputerMove());
    EXPECT_TRUE(board.GameEnded());
    EXPECT_EQ(board.LastMove, 0);
}

TEST(ComputerPlayer, CustomEngineTakesTheHostsMove)
{
    TComputerKernel board;
    StartComputerGame(board, 1, 1);
    board.SetCustomEngine(true);
    int failures = 0;
    board.OnCalculateMove = [](TVeltanBrdKernel&, Square& from, Square& to) {
        from = A04;
        to = A05;
    };
    board.OnCalculationFailed = [&failures](TVeltanBrdKernel&, Square, Square) { ++failures; };
    board.SetComputerPlaysWhite(true);
    EXPECT_EQ(board.PieceOn(A05), 'P');
    EXPECT_EQ(board.LastMove, 1);
    board.SetComputerPlaysBlack(true); // the same move is no move for Black
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(board.LastMove, 1);
}

} // namespace

namespace {

// A found move waits for the board's thread; whatever happened to the board
// meanwhile decides whether it is still the move to make.
TEST(ComputerPlayer, AMoveFoundForAnotherPositionIsNeverPlayed)
{
    TComputerKernel board;
    StartComputerGame(board, 1, 1);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(board.Thinking());
    while (board.found == 0)
        std::this_thread::yield();
    // A move made straight through the kernel, without a cancel.
    for (int i = 0; i < 2; ++i) {
        const auto [from, to] = LegalMoves(board).front();
        ASSERT_TRUE(board.PerformMove(from, to));
    }
    const std::string shown = board.position();
    EXPECT_FALSE(board.PlayComputerMove());
    EXPECT_EQ(board.position(), shown);
    EXPECT_EQ(board.LastMove, 2);
}

TEST(ComputerPlayer, SwitchingToTheHostsEngineStillStopsTheSearch)
{
    TComputerKernel board;
    StartComputerGame(board, 1, 1);
    board.SetComputerUsesClock(true);
    board.SetTimeLeftWhite(10.0);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(board.Thinking());
    board.SetCustomEngine(true);
    board.CancelThinking();
    EXPECT_FALSE(board.Thinking());
    EXPECT_FALSE(board.PlayComputerMove());
    EXPECT_EQ(board.LastMove, 0);
}

} // namespace
