// Team turns: the split of a turn between players, the status text, and a
// turn that passes on when the player to move cannot move.

#include <gtest/gtest.h>

#include "testBoard.h"

namespace {

struct SplitCase {
    int movesPerTeamTurn, playersPerTeam;
    std::vector<char> players; // who makes each move of one White turn
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << c.movesPerTeamTurn << " moves, " << c.playersPerTeam << " players";
}

class TurnSplit : public testing::TestWithParam<SplitCase> {};

// Every file of rank 02 holds a White pawn; each player owns every fourth file.
std::vector<Placed> PawnsForPlayers(int playersPerTeam)
{
    std::vector<Placed> pieces = {{P16, 'k'}, {A16, 'k'}, {H16, 'p'}, {G16, 'p'}, {F16, 'p'}, {E16, 'p'}};
    for (int file = 1; file <= BoardSize; ++file)
        pieces.push_back({SquareAt(file, 2), 'P', static_cast<char>('1' + (file - 1) % playersPerTeam)});
    pieces.push_back({P01, 'K', '1'});
    return pieces;
}

TEST_P(TurnSplit, PlayersShareTheTurnInOrder)
{
    const SplitCase c = GetParam();
    TRecordingKernel board;
    SetUpGame(board, PawnsForPlayers(c.playersPerTeam), c.movesPerTeamTurn, c.playersPerTeam);
    for (std::size_t i = 0; i < c.players.size(); ++i) {
        ASSERT_TRUE(board.WhiteToMove());
        EXPECT_EQ(board.CurrentTeamPlayer(), c.players[i]) << "move " << i;
        EXPECT_EQ(board.MovesMadeInTurn(), static_cast<int>(i));
        // The first pawn of this player that has not moved yet.
        Square pawn = SqrNone;
        for (int file = 1; file <= BoardSize && pawn == SqrNone; ++file) {
            const Square sq = SquareAt(file, 2);
            if (board.PlayerOnSquare(sq) == c.players[i] && board.MoveIsLegal(sq, SquareAt(file, 3)))
                pawn = sq;
        }
        ASSERT_NE(pawn, SqrNone);
        ASSERT_TRUE(board.PerformMove(pawn, static_cast<Square>(pawn - BoardSize)));
    }
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentTeamPlayer(), '1');
    EXPECT_EQ(board.MovesMadeInTurn(), 0);
}

INSTANTIATE_TEST_SUITE_P(Splits, TurnSplit,
                         testing::Values(SplitCase{1, 1, {'1'}}, SplitCase{2, 2, {'1', '2'}},
                                         SplitCase{4, 1, {'1', '1', '1', '1'}},
                                         SplitCase{4, 2, {'1', '1', '2', '2'}},
                                         SplitCase{4, 4, {'1', '2', '3', '4'}}));

TEST(StatusText, NamesTheTeamMovesLeftAndPlayer)
{
    TRecordingKernel board;
    board.NewGame();
    board.SetMovesPerTeamTurn(2);
    board.SetPlayersPerTeam(2);
    EXPECT_EQ(board.GetMovesLeftInTurn(), "White  has 2 moves  left in this turn; Player 1 to play");
    board.SetMovesPerTeamTurn(1);
    board.SetPlayersPerTeam(1);
    board.SetWhiteToMove(false);
    EXPECT_EQ(board.GetMovesLeftInTurn(), "Black  has 1 move  left in this turn;");
    // All moves made but not yet passed on: the other team and a full turn are named.
    board.SetWhiteToMove(true);
    board.SetMovesPerTeamTurn(4);
    board.SetMovesMovedInTurn(4);
    EXPECT_EQ(board.GetMovesLeftInTurn(), "Black  has 4 moves  left in this turn;");
}

TEST(Slots, JumpMarksDoNotFreezeARealSquare)
{
    TRecordingKernel board;
    SetUpGame(board, {{A16, 'R'}, {P01, 'K'}, {P16, 'k'}}, 4);
    board.SetMovesMovedInTurn(2);
    EXPECT_EQ(board.MovesMadeInTurn(), 2);
    EXPECT_TRUE(board.MoveIsLegal(A16, A10)); // A16 is square 1: it must not count as moved
    board.SetMovesMovedInTurn(99);
    EXPECT_TRUE(board.TurnMustSwitch());
    board.SetMovesMovedInTurn(-5);
    EXPECT_EQ(board.MovesMadeInTurn(), 0);
}

struct ForfeitCase {
    const char* name;
    int movesPerTeamTurn, playersPerTeam;
    std::vector<Placed> pieces;
    std::vector<std::pair<Square, Square>> moves; // White's moves of one turn
    bool whiteToMoveAfter;
    char playerAfter;
};

void PrintTo(const ForfeitCase& c, std::ostream* os)
{
    *os << c.name;
}

class Forfeits : public testing::TestWithParam<ForfeitCase> {};

TEST_P(Forfeits, APlayerWhoCannotMoveIsPassedOver)
{
    const ForfeitCase c = GetParam();
    TRecordingKernel board;
    SetUpGame(board, c.pieces, c.movesPerTeamTurn, c.playersPerTeam);
    for (const auto& [from, to] : c.moves)
        ASSERT_TRUE(board.PerformMove(from, to)) << c.name;
    EXPECT_EQ(board.WhiteToMove(), c.whiteToMoveAfter) << c.name;
    EXPECT_EQ(board.CurrentTeamPlayer(), c.playerAfter) << c.name;
    EXPECT_FALSE(board.GameEnded()) << c.name;
    EXPECT_TRUE(board.CurrentPlayerCanMove()) << c.name;
    const int last = board.LastMove;
    ASSERT_TRUE(board.GotoMove(last));
    EXPECT_EQ(board.WhiteToMove(), c.whiteToMoveAfter) << c.name << " after the jump";
    EXPECT_EQ(board.CurrentTeamPlayer(), c.playerAfter) << c.name << " after the jump";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Forfeits,
    testing::Values(
        // Four moves a turn, three movable pieces: the turn ends after three.
        ForfeitCase{"three of four",
                    4,
                    1,
                    {{A02, 'P'}, {B02, 'P'}, {C02, 'P'}, {P16, 'k'}, {H14, 'p'}},
                    {{A02, A03}, {B02, B03}, {C02, C03}},
                    false,
                    '1'},
        // Player 2 has nothing left: after player 1's move Black is to move.
        ForfeitCase{"two players", 2, 2, {{A02, 'P', '1'}, {P16, 'k'}, {H14, 'p'}}, {{A02, A03}}, false, '1'},
        // Player 1 of four has moved; players 2 and 3 own nothing, player 4 does.
        ForfeitCase{"skip to four",
                    4,
                    4,
                    {{A02, 'P', '1'}, {B02, 'P', '4'}, {P16, 'k'}, {H14, 'p'}},
                    {{A02, A03}},
                    true,
                    '4'},
        // Two players with two moves each: player 1 has one piece only.
        ForfeitCase{"share forfeited",
                    4,
                    2,
                    {{A02, 'P', '1'}, {B02, 'P', '2'}, {C02, 'P', '2'}, {P16, 'k'}, {H14, 'p'}},
                    {{A02, A03}},
                    true,
                    '2'}));

TEST(Forfeits, ATeamThatCannotMoveAtAllLoses)
{
    for (const bool whiteLoses : {true, false}) {
        TRecordingKernel board;
        if (whiteLoses) {
            // White's only movable piece is blocked after Black's move; its king
            // belongs to a player who has no share of the turn.
            SetUpGame(board, {{A02, 'P'}, {A04, 'p'}, {P16, 'k'}, {H01, 'K', '2'}});
            board.SetWhiteToMove(false);
            ASSERT_TRUE(board.PerformMove(A04, A03));
            EXPECT_EQ(board.messages.back(), "White cannot move: Black has won!");
        } else {
            SetUpGame(board, {{A03, 'P'}, {A05, 'p'}, {P01, 'K'}, {H16, 'k', '2'}});
            ASSERT_TRUE(board.PerformMove(A03, A04));
            EXPECT_EQ(board.messages.back(), "Black cannot move: White has won!");
        }
        EXPECT_TRUE(board.endedAtMessage.back()) << "the box opens on an ended game";
        EXPECT_TRUE(board.GameEnded());
        EXPECT_EQ(board.WhiteToMove(), whiteLoses);
        EXPECT_EQ(board.MovesMadeInTurn(), 0);
    }
}

TEST(Forfeits, NoSettlingAfterAWin)
{
    TRecordingKernel board;
    SetUpGame(board, {{A01, 'R'}, {A16, 'k'}, {P16, 'p'}, {P01, 'K'}}, 4);
    ASSERT_TRUE(board.PerformMove(A01, A16));
    EXPECT_TRUE(board.GameEnded());
    EXPECT_EQ(board.messages, std::vector<std::string>{"White has won!"});
    EXPECT_TRUE(board.WhiteToMove()); // the turn was not passed on
    EXPECT_EQ(board.MovesMadeInTurn(), 1);
}

} // namespace
