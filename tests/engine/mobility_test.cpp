// The mobility the game keeps up to date cell by cell must equal a fresh
// count after every kind of change: moves and their take-back, captures,
// pawn advances that leave and clear markers, castling, promotion and the
// turn's settling. Random games over every arrangement and turn setting
// reach all of them.

#include <gtest/gtest.h>

#include <random>

#include "engineTestGames.h"

namespace {

using namespace enginetest;

testing::AssertionResult KeptMobilityIsCounted(const engine::TEngineGame& game)
{
    for (const int side : {engine::WhiteSide, engine::BlackSide}) {
        if (game.Mobility(side) != game.CountMobility(side))
            return testing::AssertionFailure() << "side " << side << " keeps " << game.Mobility(side)
                                               << ", counts " << game.CountMobility(side) << "\n"
                                               << game.PositionText();
    }
    return testing::AssertionSuccess();
}

class KeptMobility : public testing::TestWithParam<GameSetting> {};

TEST_P(KeptMobility, EqualsAFreshCountAfterEveryMoveAndTakeBack)
{
    constexpr int Moves = 160;
    const GameSetting s = GetParam();
    std::mt19937 random(static_cast<unsigned>(7 + 3 * s.movesPerTeamTurn + static_cast<int>(s.arrangement)));
    TVeltanBrdKernel board;
    StartGame(board, s);
    engine::TEngineGame game(board, board.StartPosition());
    ASSERT_TRUE(KeptMobilityIsCounted(game));
    std::vector<engine::TCellMove> moves;
    for (int moveno = 0; moveno < Moves && !game.GameEnded(); ++moveno) {
        moves.clear();
        game.GenerateMoves(moves);
        if (moves.empty())
            break;
        engine::TUndo undo;
        for (const engine::TCellMove move : moves) {
            game.MakeMove(move, undo);
            ASSERT_TRUE(KeptMobilityIsCounted(game)) << "after a move, game move " << moveno;
            game.UnmakeMove(undo);
            ASSERT_TRUE(KeptMobilityIsCounted(game)) << "after its take-back, game move " << moveno;
        }
        // Captures first half the time, so that the board opens up.
        engine::TCellMove chosen = moves[random() % moves.size()];
        if (random() % 2 == 0) {
            for (const engine::TCellMove move : moves) {
                if (engine::IsSide(game.CellCode(move.to), 1 - game.SideToMove()))
                    chosen = move;
            }
        }
        ASSERT_TRUE(game.Play(engine::SquareAtCell(chosen.from), engine::SquareAtCell(chosen.to)));
        ASSERT_TRUE(KeptMobilityIsCounted(game)) << "after playing game move " << moveno;
    }
}

INSTANTIATE_TEST_SUITE_P(ArrangementsAndTurns, KeptMobility,
                         testing::ValuesIn(ArrangementsWithOneAndFourMoves()),
                         [](const testing::TestParamInfo<GameSetting>& info) { return Name(info.param); });

} // namespace
