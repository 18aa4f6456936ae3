// The evaluation. Material and placement (pawn advancement among them) come
// ready from the game, and so does mobility (kept cell by cell); here is the
// part that depends on the neighbourhood of pieces: the safety of kings.

#include "evaluation.h"

#include <array>

#include "steps.h"

namespace engine {

namespace {

// King safety. An attacked king is in danger mostly when the enemy moves
// next; the last king carries the game, so everything about it counts thrice.
constexpr int AttackedKingWhenToMove = 40;
constexpr int AttackedKingWhenWaiting = 160;
constexpr int LastKingWeight = 3;
constexpr int ShelterPerPiece = 6;
constexpr int EnemyNearKing = 15;

// Each move the team still has in its turn is worth a little.
constexpr int TempoPerMoveLeft = 12;

int KingLives(const TEngineGame& game, int side)
{
    const int kings = game.Kings(side);
    return KingLifeValue * (kings > 0 ? kings - 1 : 0);
}

// What a neighbour of a king tells, by the king's side and the neighbour's
// code, packed as shelter * ClosedUnit + closed:
// - shelter: a piece of its own shelters the king, an enemy one threatens;
//   empty cells, markers and the board's edge add nothing;
// - closed: 1 for anything but an empty cell or an enemy piece. A king closed
//   in on all sides can be attacked by a knight's leap alone, since every
//   line from it ends at once on something that does not attack.
// Packed, the eight neighbours are summed in one pass; the closed count (at
// most 8) stays below ClosedUnit, so the shift takes the shelter back out.
constexpr int ClosedShift = 4;
constexpr int ClosedUnit = 1 << ClosedShift;

constexpr std::array<std::array<int, Guard + 1>, 2> NeighbourTable()
{
    std::array<std::array<int, Guard + 1>, 2> table{};
    for (const int side : {WhiteSide, BlackSide}) {
        for (int code = 0; code <= Guard; ++code) {
            const Code c = static_cast<Code>(code);
            const bool piece = IsOccupant(c) && KindOf(c) != Marker;
            const int shelter = !piece ? 0 : SideOf(c) == side ? ShelterPerPiece : -EnemyNearKing;
            const bool closed = c != Empty && !(piece && SideOf(c) != side);
            table[static_cast<std::size_t>(side)][c] = shelter * ClosedUnit + (closed ? 1 : 0);
        }
    }
    return table;
}
constexpr std::array<std::array<int, Guard + 1>, 2> Neighbour = NeighbourTable();

// The eight neighbours of a king, packed and summed.
int Neighbours(const Code* king, const std::array<int, Guard + 1>& neighbour)
{
    const auto near = [king, &neighbour](std::size_t d) { return neighbour[king[KingSteps[d]]]; };
    return near(0) + near(1) + near(2) + near(3) + near(4) + near(5) + near(6) + near(7);
}

bool ClosedIn(int packed)
{
    return (packed & (ClosedUnit - 1)) == static_cast<int>(KingSteps.size());
}

int KingSafety(const TEngineGame& game, int side, bool toMove)
{
    const std::array<int, Guard + 1>& neighbour = Neighbour[static_cast<std::size_t>(side)];
    const Code* const board = game.Cells();
    const int opponent = 1 - side;
    const int weight = game.Kings(side) == 1 ? LastKingWeight : 1;
    int total = 0;
    const TCellList& list = game.KingCells(side);
    for (int i = 0; i < list.count; ++i) {
        const int cell = list.cells[static_cast<std::size_t>(i)];
        const int packed = Neighbours(board + cell, neighbour);
        int safety = packed >> ClosedShift; // rounds down, as the packing needs
        if (ClosedIn(packed) ? game.AttackedByKnight(cell, opponent) : game.Attacked(cell, opponent))
            safety -= toMove ? AttackedKingWhenToMove : AttackedKingWhenWaiting;
        total += weight * safety;
    }
    return total;
}

} // namespace

bool KingAttacked(const TEngineGame& game, int cell, int side)
{
    const int packed = Neighbours(game.Cells() + cell, Neighbour[static_cast<std::size_t>(side)]);
    return ClosedIn(packed) ? game.AttackedByKnight(cell, 1 - side) : game.Attacked(cell, 1 - side);
}

int QuickEvaluate(const TEngineGame& game)
{
    const int us = game.SideToMove(), them = 1 - us;
    const int sign = us == WhiteSide ? 1 : -1;
    return sign * game.PlacementScore() + KingLives(game, us) - KingLives(game, them) +
           TempoPerMoveLeft * (game.MovesPerTeamTurn() - game.MovesMadeInTurn());
}

int Evaluate(const TEngineGame& game)
{
    const int us = game.SideToMove(), them = 1 - us;
    // Knights get their due from placement, the long-range pieces from the
    // squares they reach (mobility.h, kept by the game as it changes).
    return QuickEvaluate(game) + game.Mobility(us) - game.Mobility(them) + KingSafety(game, us, true) -
           KingSafety(game, them, false);
}

} // namespace engine
