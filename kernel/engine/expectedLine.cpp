// The line of play a search expects, read back from its table: each position
// after the best move holds the move that was best there when it was stored.

#include "search.h"

using namespace engine;

std::vector<TSquareMove> TSearch::ExpectedLine(TCellMove first, int length) const
{
    // A copy, because the search's own game must stay at the root; Play
    // settles the turn as the search does before it stores a position.
    TEngineGame line = game_;
    std::vector<TSquareMove> moves;
    TCellMove next = first;
    while (static_cast<int>(moves.size()) < length) {
        const Square from = SquareAtCell(next.from);
        const Square to = SquareAtCell(next.to);
        // Two positions may share a key, so a stored move is played only when it is legal here.
        if (!line.Play(from, to))
            break;
        moves.emplace_back(from, to);
        if (line.GameEnded() || line.RepetitionStands())
            break;
        TTableEntry entry;
        if (!table_->Probe(line.Key(), entry) || entry.from == 0)
            break;
        next = {entry.from, entry.to};
    }
    return moves;
}
