#pragma once
// Small positions for the engine tests: a few pieces placed on an empty board.

#include <ostream>
#include <string>
#include <vector>

#include "veltanbrdKernel.h"

namespace enginetest {

/// One placed piece: square, letter, owner.
struct Placed {
    Square square;
    char piece;
    char owner = '1';
};

/// Shows a placed piece in test output as its letter, square and owner, "K on H01 of 1".
inline void PrintTo(const Placed& p, std::ostream* os)
{
    *os << p.piece << " on " << TVeltanBrdKernel::SquareToString(p.square) << " of " << p.owner;
}

/// Starts a running game on the given pieces with the given turn settings and side to move.
inline void SetUpPieces(TVeltanBrdKernel& board, const std::vector<Placed>& pieces, int movesPerTeamTurn = 1,
                        int playersPerTeam = 1, bool whiteToMove = true)
{
    std::string position(SquareCount, ' '), players(SquareCount, '0');
    for (const Placed& p : pieces) {
        position[static_cast<std::size_t>(p.square - 1)] = p.piece;
        players[static_cast<std::size_t>(p.square - 1)] = p.owner;
    }
    board.SetStartPosition(position);
    board.SetStartPlayers(players);
    board.NewGame();
    board.SetPlayersPerTeam(playersPerTeam);
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    if (!whiteToMove)
        board.SetWhiteToMove(false);
    board.SetGameEnded(false);
}

} // namespace enginetest
