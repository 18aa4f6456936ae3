#include "legalMove.h"

#include <vector>

#include "engineGame.h"
#include "moveText.h"

std::string FirstLegalMove(const TVeltanBrdKernel& board)
{
    // The engine's generator gives exactly the moves the board's MoveIsLegal accepts.
    std::vector<engine::TCellMove> moves;
    engine::TEngineGame(board).GenerateMoves(moves);
    if (moves.empty())
        return {};
    return MoveText(engine::SquareAtCell(moves.front().from), engine::SquareAtCell(moves.front().to));
}
