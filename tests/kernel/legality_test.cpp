// Move legality, piece by piece, and the attack tests.

#include <algorithm>
#include <gtest/gtest.h>

#include "testBoard.h"

namespace {

std::vector<Square> Sorted(std::vector<Square> squares)
{
    std::sort(squares.begin(), squares.end());
    return squares;
}

TEST(KnightRule, LongLeapsOnly)
{
    TRecordingKernel board;
    SetUpGame(board, {{H08, 'N'}, {A01, 'K'}, {P16, 'k'}});
    EXPECT_EQ(Sorted(Destinations(board, H08)),
              Sorted({D07, D09, E06, E10, F05, F11, G04, G12, I04, I12, J05, J11, K06, K10, L07, L09}));
    EXPECT_FALSE(board.MoveIsLegal(H08, G06));
    EXPECT_FALSE(board.MoveIsLegal(H08, F07));
}

TEST(KnightRule, OwnPieceBlocksTheLanding)
{
    TRecordingKernel board;
    SetUpGame(board, {{H08, 'N'}, {D07, 'P'}, {A01, 'K'}, {P16, 'k'}, {D09, 'p'}});
    EXPECT_FALSE(board.MoveIsLegal(H08, D07));
    EXPECT_TRUE(board.MoveIsLegal(H08, D09));
}

struct MoveCase {
    Square from, to;
    bool legal;
};

void ExpectMoves(const TVeltanBrdKernel& board, std::initializer_list<MoveCase> cases)
{
    for (const MoveCase& c : cases)
        EXPECT_EQ(board.MoveIsLegal(c.from, c.to), c.legal)
            << TVeltanBrdKernel::SquareToString(c.from) << "-" << TVeltanBrdKernel::SquareToString(c.to);
}

TEST(PawnRule, LongAdvanceOnlyFromTheStartSquareAndInOwnHalf)
{
    TRecordingKernel board;
    board.NewGame();
    board.SetGameEnded(false);
    board.SetMovesPerTeamTurn(1);
    ExpectMoves(board, {{E04, E05, true},
                        {E04, E06, true},
                        {E04, E07, true},
                        {E04, E08, true},
                        {E04, E09, false},
                        {E03, E05, false},
                        {E04, D05, false},
                        {E04, E04, false}});
    ASSERT_TRUE(board.PerformMove(E04, E05));
    ASSERT_TRUE(board.PerformMove(E13, E12));
    ExpectMoves(board,
                {{E05, E06, true}, {E05, E07, true}, {E05, E08, false}, {E03, E04, true}, {E03, E05, false}});
}

TEST(PawnRule, ShiftedArmiesStayInTheirHalf)
{
    TRecordingKernel board;
    SetUpGame(board, {{E06, 'P'}, {E05, 'P'}, {A01, 'K'}, {P16, 'k'}});
    ExpectMoves(board, {{E06, E07, true}, {E06, E08, true}, {E06, E09, false}, {E06, E10, false}});
    TRecordingKernel second;
    SetUpGame(second, {{E05, 'P'}, {A01, 'K'}, {P16, 'k'}});
    ExpectMoves(second, {{E05, E08, true}, {E05, E09, false}});
}

TEST(PawnRule, TwoSquareDiagonalCaptureNeedsAnEmptyMiddle)
{
    struct Case {
        char middle;
        bool legal;
    };
    for (const Case c :
         {Case{' ', true}, Case{'N', false}, Case{'n', false}, Case{'E', true}, Case{'e', true}}) {
        std::vector<Placed> pieces = {{E05, 'P'}, {G07, 'r'}, {A01, 'K'}, {P16, 'k'}};
        if (c.middle != ' ')
            pieces.push_back({F06, c.middle, c.middle == 'N' ? '1' : '0'});
        TRecordingKernel board;
        SetUpGame(board, pieces);
        EXPECT_EQ(board.MoveIsLegal(E05, G07), c.legal) << "middle '" << c.middle << "'";
    }
}

TEST(PawnRule, CapturesOnlyOpponentsAndNeverBackwards)
{
    TRecordingKernel board;
    SetUpGame(board, {{E05, 'P'}, {D06, 'p'}, {F06, 'N'}, {E04, 'p'}, {A01, 'K'}, {P16, 'k'}});
    ExpectMoves(
        board,
        {{E05, D06, true}, {E05, F06, false}, {E05, D04, false}, {E05, E04, false}, {E05, C07, false}});
}

TEST(EnPassant, MarkersCanBeTakenByAnyPieceAndBlockLines)
{
    TRecordingKernel board;
    SetUpGame(board, {{D14, 'p'}, {C11, 'P'}, {E11, 'P'}, {H11, 'N'}, {A12, 'R'}, {A01, 'K'}, {P16, 'k'}});
    board.SetWhiteToMove(false);
    ASSERT_TRUE(board.PerformMove(D14, D11));
    EXPECT_EQ(board.PieceOn(D13), 'e');
    EXPECT_EQ(board.PieceOn(D12), 'e');
    ExpectMoves(board, {{C11, D12, true},
                        {E11, D12, true},
                        {H11, D12, true},
                        {A12, B12, true},
                        {A12, C12, true},
                        {A12, D12, true},
                        {A12, E12, false}});
}

TEST(KingRule, TwoStepsNeedAnEmptySquareBetween)
{
    struct Case {
        std::vector<Placed> blockers;
        Square to;
        bool legal;
    };
    const std::vector<Case> cases = {
        {{}, H10, true},
        {{{G09, 'P'}, {H09, 'P'}}, H10, true},
        {{{G09, 'P'}, {H09, 'P'}, {I09, 'P'}}, H10, false},
        {{{I08, 'P'}}, J09, true},
        {{{I08, 'P'}, {I09, 'P'}}, J09, false},
        {{{I09, 'E', '0'}}, J10, false},
        {{}, J10, true},
        {{{I09, 'P'}}, J10, false},
    };
    for (const Case& c : cases) {
        std::vector<Placed> pieces = c.blockers;
        pieces.push_back({H08, 'K'});
        pieces.push_back({P16, 'k'});
        TRecordingKernel board;
        SetUpGame(board, pieces);
        EXPECT_EQ(board.MoveIsLegal(H08, c.to), c.legal) << TVeltanBrdKernel::SquareToString(c.to);
    }
}

TEST(KingRule, NeverOntoAnAttackedSquare)
{
    TRecordingKernel board;
    SetUpGame(board, {{H08, 'K'}, {A10, 'r'}, {P16, 'k'}});
    EXPECT_FALSE(board.MoveIsLegal(H08, H10));
    EXPECT_FALSE(board.MoveIsLegal(H08, G10));
    EXPECT_TRUE(board.MoveIsLegal(H08, H09));
}

TEST(Castling, OntoAnUnmovedRookAlongAnEmptyUnattackedRank)
{
    const std::vector<Placed> base = {{I01, 'K'}, {A01, 'R'}, {P16, 'k'}};
    {
        TRecordingKernel board;
        auto pieces = base;
        pieces.push_back({I03, 'r'}); // attacks the king's own square only
        SetUpGame(board, pieces);
        EXPECT_TRUE(board.MoveIsLegal(I01, A01));
    }
    for (const Placed extra : {Placed{E01, 'N'}, Placed{E01, 'n', '0'}, Placed{E05, 'r', '0'}}) {
        TRecordingKernel board;
        auto pieces = base;
        pieces.push_back(extra);
        SetUpGame(board, pieces);
        EXPECT_FALSE(board.MoveIsLegal(I01, A01)) << extra.piece;
    }
}

TEST(Castling, NotAfterTheRookHasMovedAwayAndBack)
{
    TRecordingKernel board;
    SetUpGame(board, {{I01, 'K'}, {A01, 'R'}, {P16, 'k'}, {P14, 'p'}});
    ASSERT_TRUE(board.PerformMove(A01, A02));
    ASSERT_TRUE(board.PerformMove(P14, P13));
    ASSERT_TRUE(board.PerformMove(A02, A01));
    ASSERT_TRUE(board.PerformMove(P13, P12));
    EXPECT_FALSE(board.MoveIsLegal(I01, A01));
}

TEST(Castling, NotWithAnotherRookOnTheTakenRooksSquare)
{
    TRecordingKernel board;
    SetUpGame(board, {{I01, 'K'}, {A01, 'R'}, {C03, 'R'}, {A16, 'r'}, {P16, 'k'}, {P14, 'p'}});
    const std::pair<Square, Square> moves[] = {{C03, C04}, {A16, A01}, {C04, C01},
                                               {P14, P13}, {C01, A01}, {P13, P12}};
    for (const auto& [from, to] : moves)
        ASSERT_TRUE(board.PerformMove(from, to));
    ASSERT_EQ(board.PieceOn(A01), 'R');
    EXPECT_FALSE(board.MoveIsLegal(I01, A01));
}

TEST(Ownership, OnlyTheCurrentPlayersUnmovedPiecesMove)
{
    TRecordingKernel board;
    SetUpGame(board, {{A02, 'P', '1'}, {B02, 'P', '2'}, {C02, 'P', '1'}, {A01, 'K', '1'}, {P16, 'k'}}, 2, 1);
    EXPECT_FALSE(board.MoveIsLegal(B02, B03)); // player 2's pawn
    EXPECT_FALSE(board.MoveIsLegal(P16, P15)); // not Black's turn
    ASSERT_TRUE(board.PerformMove(A02, A03));
    EXPECT_FALSE(board.MoveIsLegal(A03, A04)); // already moved in this turn
    EXPECT_TRUE(board.MoveIsLegal(C02, C03));
}

TEST(Bounds, SquaresOutsideTheBoardAreNeverLegal)
{
    TRecordingKernel board;
    board.NewGame();
    board.SetGameEnded(false);
    for (const int bad : {0, 257, 1000, 65535}) {
        EXPECT_FALSE(board.MoveIsLegal(static_cast<Square>(bad), E04));
        EXPECT_FALSE(board.MoveIsLegal(E02, static_cast<Square>(bad)));
        EXPECT_FALSE(board.InCheckby(ColorBlack, static_cast<Square>(bad), E04));
    }
}

TEST(Attacks, PawnsKnightsKingsAndLines)
{
    TRecordingKernel board;
    struct Case {
        int side;
        std::vector<Placed> pieces;
        Square target;
        bool attacked;
    };
    const std::vector<Case> cases = {
        {ColorWhite, {{D04, 'P'}}, C05, true},  {ColorWhite, {{D04, 'P'}}, E05, true},
        {ColorWhite, {{D04, 'P'}}, B06, true},  {ColorWhite, {{D04, 'P'}, {C05, 'n'}}, B06, false},
        {ColorWhite, {{D04, 'P'}}, F06, true},  {ColorWhite, {{D04, 'P'}}, C03, false},
        {ColorWhite, {{D04, 'P'}}, D05, false}, {ColorBlack, {{D13, 'p'}}, C12, true},
        {ColorBlack, {{D13, 'p'}}, F11, true},  {ColorBlack, {{D13, 'p'}}, C14, false},
        {ColorWhite, {{H08, 'K'}}, H10, true},  {ColorWhite, {{H08, 'K'}, {H09, 'e'}}, H10, false},
        {ColorWhite, {{H08, 'K'}}, J09, false}, {ColorWhite, {{H08, 'K'}}, J10, true},
        {ColorWhite, {{H08, 'N'}}, L07, true},  {ColorWhite, {{H08, 'N'}}, J09, false},
        {ColorWhite, {{A01, 'Q'}}, P16, true},  {ColorWhite, {{A01, 'Q'}, {H08, 'E'}}, P16, false},
        {ColorWhite, {{A01, 'R'}}, A16, true},  {ColorWhite, {{A01, 'B'}}, A16, false},
        {ColorBlack, {{A01, 'R'}}, A16, false},
    };
    for (const Case& c : cases) {
        const auto [position, players] = Arrangement(c.pieces);
        EXPECT_EQ(board.SquareClaimedby(c.side, position, c.target), c.attacked)
            << TVeltanBrdKernel::SquareToString(c.target) << " by " << c.side << " with "
            << c.pieces.front().piece;
    }
    EXPECT_FALSE(board.SquareClaimedby(ColorWhite, "", H08));
    EXPECT_TRUE(board.SquareClaimedby(ColorWhite, "Q", B16)); // a short text is padded with blanks
}

TEST(Attacks, InCheckbyTestsTheMovedPieceOnACopy)
{
    TRecordingKernel board;
    SetUpGame(board, {{H08, 'K'}, {A10, 'r'}, {P16, 'k'}});
    const std::string before = board.position();
    EXPECT_TRUE(board.InCheckby(ColorBlack, H08, H10));
    EXPECT_FALSE(board.InCheckby(ColorBlack, H08, H09));
    EXPECT_FALSE(board.InCheckby(ColorBlack, H08, H08));
    EXPECT_EQ(board.position(), before);
}

TEST(LegalMoveAvailable, TestsDestinationsOfEveryPiece)
{
    TRecordingKernel board;
    board.NewGame();
    board.SetGameEnded(false);
    EXPECT_TRUE(board.LegalMoveAvailable());
    TRecordingKernel boxedIn;
    // A lone White pawn that is blocked.
    SetUpGame(boxedIn, {{A02, 'P'}, {A03, 'p'}, {P16, 'k'}});
    EXPECT_FALSE(boxedIn.LegalMoveAvailable());
}

} // namespace
