// Which cells a side attacks, as the rules see it: knights by their leaps,
// queens, bishops and rooks along open lines, kings up to two steps along a
// line, pawns one or two squares diagonally ahead. Only empty cells let a
// line continue; markers block like pieces.

#include "engineGame.h"
#include "squareSet.h"
#include "steps.h"

namespace engine {

bool TEngineGame::Attacked(int cell, int bySide, int vacated) const
{
    const Code bishop = CodeOf(Bishop, bySide);
    const Code rook = CodeOf(Rook, bySide), queen = CodeOf(Queen, bySide);
    const Code king = CodeOf(King, bySide), pawn = CodeOf(Pawn, bySide);
    const Code* const board = cell_.data();

    // A knight leaps, so nothing between matters, not even the vacated cell.
    if (AttackedByKnight(cell, bySide))
        return true;
    // A pawn attacks forward, so it stands behind the cell as seen from its side.
    const int pawnBehind = -Forward(bySide);
    for (const int step : DiagonalSteps) {
        int at = cell + step;
        int distance = 1;
        while (board[at] == Empty || at == vacated) {
            at += step;
            ++distance;
        }
        const Code found = board[at];
        if (found == queen || found == bishop)
            return true;
        if (distance <= 2) {
            if (found == king)
                return true;
            if (found == pawn && (step - pawnBehind == 1 || step - pawnBehind == -1))
                return true;
        }
    }
    for (const int step : StraightSteps) {
        int at = cell + step;
        int distance = 1;
        while (board[at] == Empty || at == vacated) {
            at += step;
            ++distance;
        }
        const Code found = board[at];
        if (found == queen || found == rook)
            return true;
        if (found == king && distance <= 2)
            return true;
    }
    return false;
}

} // namespace engine
