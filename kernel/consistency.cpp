// A check of the board's invariants, used by the tests after every move.

#include <cstring>

#include "veltanbrdKernel.h"

bool TVeltanBrdKernel::CheckConsistency(std::string& why) const
{
    const auto fail = [&why](const std::string& text) {
        why = text;
        return false;
    };
    if (_position[SquareCount + 1] != '\0' || _players[SquareCount + 1] != '\0')
        return fail("board arrays lost their terminating NUL");
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const char piece = _position[sq];
        if (piece == '\0' || std::strchr(" PNBRQKEpnbrqke", piece) == nullptr)
            return fail("unknown letter on square " + SquareToString(static_cast<Square>(sq)));
        const bool realPiece = piece != ' ' && piece != 'E' && piece != 'e';
        if (realPiece && (_players[sq] < '1' || _players[sq] > '4'))
            return fail("piece without owner on " + SquareToString(static_cast<Square>(sq)));
    }
    if (_currentTeamPlayer < '1' || _currentTeamPlayer > '4')
        return fail("current team player out of range");
    if (LastMove < 0 || LastMove > _HistoryEnd || _HistoryEnd > MaxHistoryMoves)
        return fail("history index out of range");
    bool freeSeen = false;
    for (int i = 0; i < MaxMovesPerTeamTurn; ++i) {
        const Square slot = _MovedPerTurn[static_cast<std::size_t>(i)];
        if (slot == SqrNone)
            freeSeen = true;
        else if (freeSeen || i >= _MovesPerTeamTurn)
            return fail("turn slots are not a prefix of the team's moves");
    }
    if (TurnMustSwitch())
        return fail("a complete turn was not passed on");
    return true;
}
