// The positions are built by the engine's own move generator from a fixed
// seed, so a change to the search never changes which positions it is
// measured on.

#include "benchPositions.h"

#include <random>
#include <string>

namespace enginebench {

using engine::TCellMove;
using engine::TEngineGame;

void StartPosition(TVeltanBrdKernel& board, int arrangement, int movesPerTeamTurn)
{
    if (arrangement == 2) {
        const std::string blackBack = "rr      kk    rr", whiteBack = "RR      KK    RR";
        const std::string position = blackBack + blackBack + std::string(32, 'p') + std::string(128, ' ') +
                                     std::string(32, 'P') + whiteBack + whiteBack;
        std::string owners(SquareCount, '0');
        for (std::size_t i = 0; i < owners.size(); ++i)
            owners[i] = position[i] == ' ' ? '0' : '1';
        board.SetStartPosition(position);
        board.SetStartPlayers(owners);
        board.NewGame();
    } else if (arrangement == 0) {
        board.NewGame();
    } // a fresh board already shows the quadrant arrangement
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    board.SetGameEnded(false);
}

std::vector<TEngineGame> RandomGamePositions(int count)
{
    std::vector<TEngineGame> positions;
    std::mt19937 random(99);
    std::vector<TCellMove> moves;
    while (static_cast<int>(positions.size()) < count) {
        TVeltanBrdKernel board;
        StartPosition(board, static_cast<int>(positions.size() % 3), 1);
        TEngineGame game(board, board.StartPosition());
        for (int ply = 0; ply < 120 && !game.GameEnded(); ++ply) {
            moves.clear();
            game.GenerateMoves(moves);
            if (moves.empty())
                break;
            if (ply % 6 == 0)
                positions.push_back(game);
            const TCellMove m = moves[random() % moves.size()];
            game.Play(engine::SquareAtCell(m.from), engine::SquareAtCell(m.to));
        }
    }
    return positions;
}

} // namespace enginebench
