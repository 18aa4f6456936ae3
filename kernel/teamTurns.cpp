// Team turns: the moves made in the current turn, whose player's move it is,
// the switch to the other team, and passing on a player who cannot move.

#include <algorithm>

#include "veltanbrdKernel.h"

namespace {

constexpr bool IsFreeSlot(Square slot)
{
    return slot == SqrNone;
}

} // namespace

void TVeltanBrdKernel::SetWhiteToMove(bool value)
{
    CancelThinking();
    _WhiteToMove = value;
}

bool TVeltanBrdKernel::TurnMustSwitch() const
{
    return !IsFreeSlot(_MovedPerTurn[static_cast<std::size_t>(_MovesPerTeamTurn - 1)]);
}

int TVeltanBrdKernel::MovesMadeInTurn() const
{
    int made = 0;
    while (made < _MovesPerTeamTurn && !IsFreeSlot(_MovedPerTurn[static_cast<std::size_t>(made)]))
        ++made;
    return made;
}

void TVeltanBrdKernel::MarkMovedInTurn(Square sq)
{
    for (int i = 0; i < _MovesPerTeamTurn; ++i) {
        Square& slot = _MovedPerTurn[static_cast<std::size_t>(i)];
        if (IsFreeSlot(slot)) {
            slot = sq;
            return;
        }
    }
}

bool TVeltanBrdKernel::SquareMovedInTurn(Square sq) const
{
    for (const Square slot : _MovedPerTurn) {
        if (IsFreeSlot(slot))
            return false;
        if (slot == sq)
            return true;
    }
    return false;
}

void TVeltanBrdKernel::SetMovesMovedInTurn(int MovesMovedInTurn)
{
    // A used slot whose square is unknown must not match a real square, or
    // the piece standing there could not move for the rest of the turn.
    const int used = std::clamp(MovesMovedInTurn, 0, MaxMovesPerTeamTurn);
    for (int i = 0; i < MaxMovesPerTeamTurn; ++i)
        _MovedPerTurn[static_cast<std::size_t>(i)] = i < used ? SqrUsedSlot : SqrNone;
}

void TVeltanBrdKernel::ClearMovesMovedInTurn()
{
    SetMovesMovedInTurn(0);
}

std::string TVeltanBrdKernel::GetMovesLeftInTurn() const
{
    const int made = MovesMadeInTurn();
    int left = _MovesPerTeamTurn - made;
    const std::string team = ((left == 0) != _WhiteToMove) ? "White " : "Black ";
    if (left == 0)
        left = _MovesPerTeamTurn;
    std::string text =
        team + " has " + std::to_string(left) + (left == 1 ? " move " : " moves ") + " left in this turn;";
    if (_PlayersPerTeam > 1)
        text += std::string(" Player ") + _currentTeamPlayer + " to play";
    return text;
}

void TVeltanBrdKernel::SwitchTeamTurn()
{
    ClearMovesMovedInTurn();
    _WhiteToMove = !_WhiteToMove;
    ClearEnpassantPieces();
    _currentTeamPlayer = '1';
}

void TVeltanBrdKernel::ForfeitCurrentPlayer()
{
    const int share = std::max(1, _MovesPerPlayerTurn);
    const int player = std::max(1, _currentTeamPlayer - '0');
    const int shareEnd = std::min(player * share, _MovesPerTeamTurn);
    int made = MovesMadeInTurn();
    // A player past his share (settings changed mid-turn) still gives up a slot,
    // so settling always ends.
    const int until = std::max(shareEnd, made + 1);
    for (; made < until && made < _MovesPerTeamTurn; ++made)
        _MovedPerTurn[static_cast<std::size_t>(made)] = SqrUsedSlot;
    _currentTeamPlayer = static_cast<char>('1' + MovesMadeInTurn() / share);
}

bool TVeltanBrdKernel::SettleTurn()
{
    bool movedInThisTurn = MovesMadeInTurn() > 0;
    for (;;) {
        if (TurnMustSwitch()) {
            SwitchTeamTurn();
            movedInThisTurn = false;
            continue;
        }
        if (CurrentPlayerCanMove())
            return false;
        ForfeitCurrentPlayer();
        if (TurnMustSwitch() && !movedInThisTurn) {
            // Nobody of this team could make a single move of the new turn:
            // leave the turn as it began and report the loss.
            ClearMovesMovedInTurn();
            _currentTeamPlayer = '1';
            return true;
        }
    }
}
