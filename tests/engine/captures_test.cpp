// The captures quiescence searches are exactly the legal moves onto a piece
// or marker of the other side, in the order of the full list: the generator
// passes over pieces with nothing within reach, and must never pass over one
// that has a capture.

#include <gtest/gtest.h>

#include <random>

#include "engineTestGames.h"

namespace {

using namespace enginetest;

std::vector<engine::TCellMove> CapturesAmong(const engine::TEngineGame& game,
                                             const std::vector<engine::TCellMove>& moves)
{
    std::vector<engine::TCellMove> captures;
    for (const engine::TCellMove move : moves) {
        if (engine::IsSide(game.CellCode(move.to), 1 - game.SideToMove()))
            captures.push_back(move);
    }
    return captures;
}

class Captures : public testing::TestWithParam<GameSetting> {};

TEST_P(Captures, AreTheLegalMovesOntoTheOtherSide)
{
    constexpr int Moves = 200;
    const GameSetting s = GetParam();
    std::mt19937 random(static_cast<unsigned>(11 + 3 * s.movesPerTeamTurn + static_cast<int>(s.arrangement)));
    TVeltanBrdKernel board;
    StartGame(board, s);
    engine::TEngineGame game(board, board.StartPosition());
    std::vector<engine::TCellMove> moves, captures;
    int seen = 0;
    for (int moveno = 0; moveno < Moves && !game.GameEnded(); ++moveno) {
        moves.clear();
        game.GenerateMoves(moves);
        if (moves.empty())
            break;
        captures.clear();
        game.GenerateCaptures(captures);
        ASSERT_TRUE(captures == CapturesAmong(game, moves)) << "game move " << moveno << "\n"
                                                            << game.PositionText();
        seen += static_cast<int>(captures.size());
        const engine::TCellMove chosen = moves[random() % moves.size()];
        ASSERT_TRUE(game.Play(engine::SquareAtCell(chosen.from), engine::SquareAtCell(chosen.to)));
    }
    EXPECT_GT(seen, 0);
}

INSTANTIATE_TEST_SUITE_P(ArrangementsAndTurns, Captures, testing::ValuesIn(ArrangementsWithOneAndFourMoves()),
                         [](const testing::TestParamInfo<GameSetting>& info) { return Name(info.param); });

} // namespace
