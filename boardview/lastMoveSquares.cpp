#include "lastMoveSquares.h"

#include <algorithm>

TSquareMarks LastMoveSquares(const TVeltanBrdKernel& board)
{
    TSquareMarks marks;
    const int shown = std::clamp(board.LastMove, 0, MaxHistoryMoves);
    if (shown == 0)
        return marks;
    const bool white = board.MoveList[static_cast<std::size_t>(shown)].WhiteTeamIsPlaying;
    // A team turn holds at most MovesPerTeamTurn records, so two turns of one
    // team in a row (the other could not move) are still told apart.
    const int first = std::max(1, shown - std::max(1, board.MovesPerTeamTurn()) + 1);
    for (int n = shown; n >= first; --n) {
        const MoveInfo& record = board.MoveList[static_cast<std::size_t>(n)];
        if (record.WhiteTeamIsPlaying != white)
            break;
        for (const Square sq : {record.OldSquare, record.NewSquare}) {
            if (IsBoardSquare(sq))
                marks.set(static_cast<std::size_t>(sq));
        }
    }
    return marks;
}
