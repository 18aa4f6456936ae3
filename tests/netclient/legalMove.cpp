#include "legalMove.h"

#include <vector>

#include "engineGame.h"

std::optional<std::pair<Square, Square>> FirstLegalMove(const TVeltanBrdKernel& board)
{
    std::vector<engine::TCellMove> moves;
    engine::TEngineGame(board).GenerateMoves(moves);
    if (moves.empty())
        return std::nullopt;
    return std::pair{engine::SquareAtCell(moves.front().from), engine::SquareAtCell(moves.front().to)};
}
