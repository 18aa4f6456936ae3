// Making moves: effects, events and their order, the end of the game, draws.

#include <gtest/gtest.h>

#include "testBoard.h"

namespace {

/// Records every event a move raises, in order.
class TEventKernel : public TRecordingKernel {
public:
    std::vector<std::string> events;
    int animations = 0;

    TEventKernel()
    {
        OnLegalMove = [this](TVeltanBrdKernel&, Square a, Square b) { Add("legal", a, b); };
        OnCapture = [this](TVeltanBrdKernel&, Square a, Square b, char c) {
            Add(std::string("capture ") + c, a, b);
        };
        OnCastle = [this](TVeltanBrdKernel&, Square a, Square b) { Add("castle", a, b); };
        OnNoMatingMaterial = [this](TVeltanBrdKernel&) { events.push_back("material"); };
        OnThreefoldPosition = [this](TVeltanBrdKernel&) { events.push_back("repetition"); };
        OnPaint = [this](TVeltanBrdKernel&) { events.push_back("paint"); };
    }
    void Add(const std::string& name, Square a, Square b)
    {
        events.push_back(name + " " + SquareToString(a) + "-" + SquareToString(b));
    }
    void SetDragSquares(Square from, Square to)
    {
        SquareClick1 = from;
        SquareClick2 = to;
    }

protected:
    void Animate(Square, Square, int) override { ++animations; }
};

TEST(EnPassantMarkers, PlacedOnPassedSquaresAndRemovedWhenTheirSideMovesAgain)
{
    TEventKernel board;
    board.NewGame();
    board.SetMovesPerTeamTurn(1);
    board.SetGameEnded(false);
    ASSERT_TRUE(board.PerformMove(E04, E06));
    EXPECT_EQ(board.PieceOn(E05), 'E');
    ASSERT_TRUE(board.PerformMove(E13, E11)); // Black's turn ends: White's own markers go
    EXPECT_EQ(board.PieceOn(E12), 'e');
    EXPECT_EQ(board.PieceOn(E05), ' ');
    ASSERT_TRUE(board.PerformMove(F04, F05));
    EXPECT_EQ(board.PieceOn(E12), ' '); // Black to move again: Black's markers go
    EXPECT_EQ(board.PieceOn(F05), 'P');
    ASSERT_TRUE(board.PerformMove(D13, D12)); // a single step leaves none
    EXPECT_EQ(board.position().find('e'), std::string::npos);
}

TEST(EnPassantCapture, AnyPieceOnTheMarkerTakesThePawnThatPassed)
{
    TEventKernel board;
    SetUpGame(board, {{D14, 'p'}, {H11, 'N'}, {P01, 'K'}, {P16, 'k'}, {A02, 'P'}});
    board.SetWhiteToMove(false);
    ASSERT_TRUE(board.PerformMove(D14, D11));
    board.events.clear();
    ASSERT_TRUE(board.PerformMove(H11, D12));
    EXPECT_EQ(board.PieceOn(D12), 'N');
    EXPECT_EQ(board.PieceOn(D11), ' ');
    EXPECT_EQ(board.PlayerOnSquare(D11), '0');
    EXPECT_EQ(board.events[1], "capture e H11-D12");
}

TEST(EnPassantCapture, APawnAlreadyTakenLeavesOtherPawnsOfTheFileAlone)
{
    TEventKernel board;
    SetUpGame(board, {{D14, 'p'}, {A14, 'p'}, {D08, 'p'}, {H10, 'N'}, {H11, 'N'}, {P01, 'K'}, {P16, 'k'}}, 2);
    board.SetWhiteToMove(false);
    ASSERT_TRUE(board.PerformMove(D14, D11));
    ASSERT_TRUE(board.PerformMove(A14, A13));
    ASSERT_TRUE(board.WhiteToMove());
    ASSERT_TRUE(board.PerformMove(H10, D11)); // takes the pawn itself
    ASSERT_TRUE(board.PerformMove(H11, D12)); // then its marker
    EXPECT_EQ(board.PieceOn(D11), 'N');
    EXPECT_EQ(board.PieceOn(D08), 'p');
}

struct CastleCase {
    Square rook, kingTo, rookTo;
};

void PrintTo(const CastleCase& c, std::ostream* os)
{
    *os << "rook on " << TVeltanBrdKernel::SquareToString(c.rook);
}

class CastlingMoves : public testing::TestWithParam<CastleCase> {};

TEST_P(CastlingMoves, KingEndsNextToTheRooksSquareAndCannotMoveAgainThisTurn)
{
    const CastleCase c = GetParam();
    TEventKernel board;
    SetUpGame(board, {{H01, 'K'}, {A01, 'R'}, {P01, 'R'}, {P16, 'k'}, {A05, 'P'}}, 2);
    ASSERT_TRUE(board.PerformMove(H01, c.rook));
    EXPECT_EQ(board.PieceOn(c.kingTo), 'K');
    EXPECT_EQ(board.PieceOn(c.rookTo), 'R');
    EXPECT_EQ(board.PieceOn(c.rook), ' ');
    EXPECT_EQ(board.PieceOn(H01), ' ');
    EXPECT_EQ(board.PlayerOnSquare(c.kingTo), '1');
    const std::vector<std::string> expected = {"legal H01-" + TVeltanBrdKernel::SquareToString(c.rook),
                                               "capture R H01-" + TVeltanBrdKernel::SquareToString(c.rook),
                                               "castle H01-" + TVeltanBrdKernel::SquareToString(c.rook)};
    EXPECT_EQ(std::vector<std::string>(board.events.begin(), board.events.begin() + 3), expected);
    ASSERT_TRUE(board.WhiteToMove());
    EXPECT_TRUE(Destinations(board, c.kingTo).empty());
    EXPECT_TRUE(board.MoveIsLegal(A05, A06));
}

INSTANTIATE_TEST_SUITE_P(BothSides, CastlingMoves,
                         testing::Values(CastleCase{P01, O01, N01}, CastleCase{A01, B01, C01}));

struct PromotionCase {
    Square from, to;
    bool handler;
    char wanted, expected;
};

void PrintTo(const PromotionCase& c, std::ostream* os)
{
    *os << TVeltanBrdKernel::SquareToString(c.from) << "-" << TVeltanBrdKernel::SquareToString(c.to);
    if (c.handler)
        *os << " choosing " << c.wanted;
}

class Promotion : public testing::TestWithParam<PromotionCase> {};

TEST_P(Promotion, PawnTakesItsOwnSidesLetter)
{
    const PromotionCase c = GetParam();
    TEventKernel board;
    SetUpGame(board, {{A15, 'P'}, {B02, 'p'}, {H08, 'K'}, {P16, 'k'}, {J08, 'k'}});
    if (c.from == B02)
        board.SetWhiteToMove(false);
    if (c.handler)
        board.OnPromotion = [&c](TVeltanBrdKernel&, Square, Square, char& piece) { piece = c.wanted; };
    ASSERT_TRUE(board.PerformMove(c.from, c.to));
    EXPECT_EQ(board.PieceOn(c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, Promotion,
    testing::Values(PromotionCase{A15, A16, false, 'q', 'Q'}, PromotionCase{B02, B01, false, 'q', 'q'},
                    PromotionCase{A15, A16, true, 'n', 'N'}, PromotionCase{B02, B01, true, 'N', 'n'},
                    PromotionCase{B02, B01, true, 'R', 'r'}, PromotionCase{A15, A16, true, 'x', 'Q'},
                    PromotionCase{A15, A16, true, 'k', 'Q'}));

TEST(GameEnd, EveryKingMustBeTaken)
{
    TEventKernel board;
    SetUpGame(board,
              {{A15, 'k'},
               {C15, 'k'},
               {E15, 'k'},
               {G15, 'k'},
               {A01, 'R'},
               {C01, 'R'},
               {E01, 'R'},
               {G01, 'R'},
               {P01, 'K'},
               {P14, 'p'}},
              1);
    const Square rooks[] = {A01, C01, E01, G01};
    const Square kings[] = {A15, C15, E15, G15};
    const Square pawnSteps[][2] = {{P14, P13}, {P13, P12}, {P12, P11}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(board.PerformMove(rooks[i], kings[i]));
        EXPECT_FALSE(board.GameEnded());
        ASSERT_TRUE(board.PerformMove(pawnSteps[i][0], pawnSteps[i][1]));
    }
    board.events.clear();
    ASSERT_TRUE(board.PerformMove(G01, G15));
    EXPECT_TRUE(board.GameEnded());
    EXPECT_EQ(board.messages.back(), "White has won!");
    EXPECT_TRUE(board.endedAtMessage.back()) << "no clock or computer may run while the box is open";
    EXPECT_FALSE(board.controlEnabled);
    // The record holds the board after the capture, like every other record.
    EXPECT_EQ(board.MoveList[static_cast<std::size_t>(board.LastMove)].position, board.position());
    EXPECT_EQ(board.MoveList[static_cast<std::size_t>(board.LastMove)].position[G15 - 1], 'R');
    EXPECT_EQ(std::count(board.events.begin(), board.events.end(), "paint"), 0);
}

TEST(GameEnd, BlackWinsByTakingTheLastWhiteKing)
{
    TEventKernel board;
    SetUpGame(board, {{A01, 'K'}, {A16, 'r'}, {P16, 'k'}});
    board.SetWhiteToMove(false);
    ASSERT_TRUE(board.PerformMove(A16, A01));
    EXPECT_EQ(board.messages.back(), "Black has won!");
    EXPECT_TRUE(board.endedAtMessage.back());
    EXPECT_TRUE(board.GameEnded());
}

struct MaterialCase {
    std::vector<Placed> pieces;
    bool draw;
};

TEST(Draws, TooLittleMaterialOnBothSides)
{
    // The bishop takes the rook: king and bishop (3) against king and two knights (4),
    // unless Black keeps a pawn.
    const std::vector<Placed> base = {{A01, 'K'}, {B01, 'B'}, {P16, 'k'}, {O16, 'n'}, {N16, 'n'}, {E04, 'r'}};
    const std::vector<MaterialCase> cases = {{base, true}, {base, false}};
    for (const MaterialCase& c : cases) {
        std::vector<Placed> pieces = c.pieces;
        if (!c.draw)
            pieces.push_back({H16, 'p'});
        TEventKernel board;
        SetUpGame(board, pieces);
        ASSERT_TRUE(board.PerformMove(B01, E04));
        EXPECT_EQ(std::count(board.events.begin(), board.events.end(), "material"), c.draw ? 1 : 0);
        EXPECT_FALSE(board.GameEnded()); // no draw handler: play goes on
    }
}

TEST(Draws, AHandlerEndsTheGame)
{
    TEventKernel board;
    int draws = 0;
    board.OnDraw = [&draws](TVeltanBrdKernel&) { ++draws; };
    SetUpGame(board, {{A01, 'K'}, {B01, 'B'}, {P16, 'k'}, {O16, 'n'}, {N16, 'n'}, {E04, 'r'}});
    ASSERT_TRUE(board.PerformMove(B01, E04));
    EXPECT_EQ(draws, 1);
    EXPECT_TRUE(board.GameEnded());
}

TEST(Refusals, AnIllegalMoveChangesNothingButResumesPlay)
{
    TEventKernel board;
    board.NewGame();
    board.SetGameEnded(true);
    const std::string position = board.position(), players = board.players();
    EXPECT_FALSE(board.PerformMove(E04, E09));
    EXPECT_EQ(board.position(), position);
    EXPECT_EQ(board.players(), players);
    EXPECT_EQ(board.LastMove, 0);
    EXPECT_TRUE(board.events.empty());
    EXPECT_FALSE(board.GameEnded());
}

TEST(Refusals, AFullHistoryRefusesTheMoveOutright)
{
    TEventKernel board;
    board.NewGame();
    board.SetGameEnded(false);
    for (int i = 1; i <= MaxHistoryMoves; ++i)
        board.LoadMove(i, board.MoveList[0]);
    board.LastMove = MaxHistoryMoves;
    board.SetGameEnded(true);
    EXPECT_FALSE(board.PerformMove(E04, E05));
    EXPECT_EQ(board.LastMove, MaxHistoryMoves);
    EXPECT_TRUE(board.GameEnded());
}

TEST(Animation, OnlyMovesThatWereNotDropped)
{
    TEventKernel board;
    board.NewGame();
    board.SetMovesPerTeamTurn(1);
    board.SetGameEnded(false);
    board.SetDragSquares(E04, E05);
    ASSERT_TRUE(board.move(E04, E05));
    EXPECT_EQ(board.animations, 0);
    ASSERT_TRUE(board.move(E13, E12));
    EXPECT_EQ(board.animations, 1);
    board.SetAnimateMoves(false);
    ASSERT_TRUE(board.move(F04, F05));
    EXPECT_EQ(board.animations, 1);
}

TEST(EventOrder, CapturePromotionAndPaint)
{
    TEventKernel board;
    SetUpGame(board, {{A15, 'P'}, {B16, 'r'}, {H08, 'K'}, {P16, 'k'}});
    board.OnPromotion = [&board](TVeltanBrdKernel&, Square a, Square b, char&) {
        board.Add("promotion", a, b);
    };
    ASSERT_TRUE(board.PerformMove(A15, B16));
    const std::vector<std::string> expected = {"legal A15-B16", "capture r A15-B16", "promotion A15-B16",
                                               "paint"};
    EXPECT_EQ(board.events, expected);
}

} // namespace
