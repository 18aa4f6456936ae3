// The rare rules, one position each, with the engine beside the kernel: the
// same legal moves before and after the move, the same state after it.
// Then take-back: every move made and taken back leaves the game as it was.

#include <gtest/gtest.h>

#include <random>

#include "engineTestGames.h"
#include "engineTestPositions.h"

namespace {

using namespace enginetest;

struct RuleCase {
    const char* name;
    std::vector<Placed> pieces;
    int movesPerTeamTurn, playersPerTeam;
    bool whiteToMove;
    Square from, to;
    bool legal;
    std::vector<SquarePair> before = {}; ///< moves played first
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<RuleCase>& RuleCases()
{
    static const std::vector<RuleCase> cases = {
        {"CastlingOntoTheRook", {{I01, 'K'}, {A01, 'R'}, {P01, 'R'}, {I16, 'k'}}, 1, 1, true, I01, A01, true},
        {"CastlingThroughAnAttackedSquare",
         {{I01, 'K'}, {A01, 'R'}, {E16, 'r'}, {I16, 'k'}},
         1,
         1,
         true,
         I01,
         A01,
         false},
        {"CastlingWhileTheKingIsAttacked",
         {{I01, 'K'}, {P01, 'R'}, {I16, 'r'}, {A16, 'k'}},
         1,
         1,
         true,
         I01,
         P01,
         true},
        {"CastlingOntoAnotherPlayersRook",
         {{I01, 'K', '1'}, {P01, 'R', '2'}, {I16, 'k'}},
         2,
         2,
         true,
         I01,
         P01,
         true},
        {"CastlingPastAMarker",
         {{I03, 'K'}, {P03, 'R'}, {L02, 'P'}, {I16, 'k'}, {A16, 'r'}},
         2,
         1,
         true,
         I03,
         P03,
         false,
         {{L02, L04}}},
        {"PawnTakesAMarkerAndThePasser",
         {{D14, 'p'}, {C11, 'P'}, {A16, 'k'}, {A01, 'K'}},
         1,
         1,
         false,
         C11,
         D12,
         true,
         {{D14, D11}}},
        {"KnightTakesAMarker",
         {{H14, 'p'}, {L11, 'N'}, {A16, 'k'}, {A01, 'K'}},
         1,
         1,
         false,
         L11,
         H12,
         true,
         {{H14, H11}}},
        {"MarkersLastOneEnemyTurn",
         {{H14, 'p'}, {L11, 'N'}, {A16, 'k'}, {A01, 'K'}},
         1,
         1,
         false,
         L11,
         H12,
         true,
         {{H14, H11}, {A01, A02}, {A16, A15}}},
        {"PromotionToTheChosenPiece", {{E15, 'P'}, {A16, 'k'}, {A01, 'K'}}, 1, 1, true, E15, E16, true},
        {"LastKingCaptured", {{E04, 'R'}, {E12, 'k'}, {A01, 'K'}}, 1, 1, true, E04, E12, true},
        {"KingIntoAttack", {{H08, 'K'}, {A09, 'r'}, {P16, 'k'}}, 1, 1, true, H08, H09, false},
        {"KingDoubleStepThroughAPiece",
         {{H08, 'K'}, {H09, 'P'}, {G09, 'P'}, {I09, 'P'}, {P16, 'k'}},
         1,
         1,
         true,
         H08,
         H10,
         false},
        // Black's pawns and king are locked in the corner: after White's move
        // Black cannot make a single move of its turn and has lost.
        {"TeamThatCannotMoveLoses",
         {{A01, 'k'}, {A02, 'p'}, {B02, 'p'}, {B01, 'p'}, {C01, 'p'}, {P16, 'K'}, {P10, 'R'}},
         1,
         1,
         true,
         P10,
         O10,
         true},
        {"PlayerWhoCannotMoveForfeits",
         {{A01, 'k', '2'}, {P01, 'p', '1'}, {P16, 'K'}, {P10, 'R'}},
         2,
         2,
         true,
         P10,
         O10,
         true},
    };
    return cases;
}

class Rules : public testing::TestWithParam<RuleCase> {};

TEST_P(Rules, EngineFollowsTheKernel)
{
    const RuleCase& c = GetParam();
    TVeltanBrdKernel board;
    SetUpPieces(board, c.pieces, c.movesPerTeamTurn, c.playersPerTeam, c.whiteToMove);
    board.PromoteTo = 'n';
    for (const auto& [from, to] : c.before)
        ASSERT_TRUE(board.PerformMove(from, to));
    engine::TEngineGame game(board, board.StartPosition());
    const std::vector<SquarePair> expected = KernelMoves(board);
    ASSERT_EQ(Describe(EngineMoves(game)), Describe(expected));
    EXPECT_EQ(game.IsLegal(c.from, c.to), c.legal);
    EXPECT_EQ(board.PerformMove(c.from, c.to), c.legal);
    EXPECT_EQ(game.Play(c.from, c.to), c.legal);
    ASSERT_TRUE(SameState(board, game));
    ASSERT_EQ(Describe(EngineMoves(game)), Describe(KernelMoves(board)));
    // The game read back from the kernel's history knows the same unmoved
    // pieces (a copy starts playing: who has won is the board's to say).
    ASSERT_TRUE(SameState(board, engine::TEngineGame(board), false));
}

INSTANTIATE_TEST_SUITE_P(RareRules, Rules, testing::ValuesIn(RuleCases()),
                         [](const testing::TestParamInfo<RuleCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Rules, ATeamThatCannotMoveHasLost)
{
    TVeltanBrdKernel board;
    SetUpPieces(board, {{A01, 'k'}, {A02, 'p'}, {B02, 'p'}, {B01, 'p'}, {C01, 'p'}, {P16, 'K'}, {P10, 'R'}});
    engine::TEngineGame game(board, board.StartPosition());
    ASSERT_TRUE(game.Play(P10, O10));
    EXPECT_EQ(game.Result(), engine::TGameResult::WhiteWon);
}

TEST(Rules, AStandingRepetitionLeavesNoMove)
{
    TVeltanBrdKernel board;
    SetUpPieces(board, {{A01, 'K'}, {B01, 'N'}, {P16, 'k'}, {O16, 'n'}});
    engine::TEngineGame game(board, board.StartPosition());
    // Both knights leap out and back until the positions have recurred often enough.
    const std::vector<SquarePair> shuffle = {{B01, C05}, {O16, N12}, {C05, B01}, {N12, O16}};
    for (int i = 0; i < 40 && !KernelMoves(board).empty(); ++i) {
        const auto [from, to] = shuffle[static_cast<std::size_t>(i % 4)];
        ASSERT_TRUE(board.PerformMove(from, to));
        ASSERT_TRUE(game.Play(from, to));
        ASSERT_EQ(EngineMoves(game), KernelMoves(board));
    }
    EXPECT_TRUE(game.RepetitionStands());
    EXPECT_TRUE(EngineMoves(game).empty());
    EXPECT_FALSE(game.Play(A01, A02));
}

// Every legal move (and every settling of a turn, and every pass) taken back restores the
// whole game: letters, owners, unmoved pieces, turn and key.
TEST(TakeBack, EveryMoveTakenBackRestoresTheGame)
{
    std::mt19937 random(5);
    for (const GameSetting& s :
         {GameSetting{Arrangement::Classic, 1, 2, 2}, GameSetting{Arrangement::RooksAndKings, 0, 4, 4},
          GameSetting{Arrangement::Quadrant, 2, 1, 1}}) {
        TVeltanBrdKernel board;
        StartGame(board, s);
        engine::TEngineGame game(board, board.StartPosition());
        for (int ply = 0; ply < 80 && !game.GameEnded(); ++ply) {
            std::vector<engine::TCellMove> moves;
            game.GenerateMoves(moves);
            if (moves.empty())
                break;
            const std::string position = game.PositionText(), players = game.PlayersText();
            const std::string unmoved = game.UnmovedText();
            const std::uint64_t key = game.Key();
            const int score = game.PlacementScore();
            const int movesMade = game.MovesMadeInTurn();
            for (const engine::TCellMove move : moves) {
                engine::TUndo undo, settle;
                game.MakeMove(move, undo);
                const bool settled = !game.GameEnded() && !game.RepetitionStands();
                if (settled)
                    game.Settle(settle);
                if (settled)
                    game.Unsettle(settle);
                game.UnmakeMove(undo);
                ASSERT_EQ(game.PositionText(), position);
                ASSERT_EQ(game.PlayersText(), players);
                ASSERT_EQ(game.UnmovedText(), unmoved);
                ASSERT_EQ(game.Key(), key);
                ASSERT_EQ(game.PlacementScore(), score);
            }
            // Giving up the turn, as the search does to test a position, is taken back as well.
            engine::TUndo pass;
            game.PassTurn(pass);
            ASSERT_NE(game.Key(), key);
            game.UnmakeMove(pass);
            ASSERT_EQ(game.PositionText(), position);
            ASSERT_EQ(game.Key(), key);
            ASSERT_EQ(game.MovesMadeInTurn(), movesMade);
            const engine::TCellMove m = moves[random() % moves.size()];
            ASSERT_TRUE(game.Play(engine::SquareAtCell(m.from), engine::SquareAtCell(m.to)));
        }
    }
}

} // namespace
