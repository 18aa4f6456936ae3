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

// What a neighbour of a king adds to its safety, by the king's side and the
// neighbour's code: a piece of its own shelters it, an enemy one threatens;
// empty cells, markers and the board's edge add nothing.
constexpr std::array<std::array<int, Guard + 1>, 2> ShelterTable()
{
    std::array<std::array<int, Guard + 1>, 2> table{};
    for (const int side : {WhiteSide, BlackSide}) {
        for (int code = 0; code <= Guard; ++code) {
            const Code c = static_cast<Code>(code);
            if (IsOccupant(c) && KindOf(c) != Marker)
                table[static_cast<std::size_t>(side)][c] =
                    SideOf(c) == side ? ShelterPerPiece : -EnemyNearKing;
        }
    }
    return table;
}
constexpr std::array<std::array<int, Guard + 1>, 2> Shelter = ShelterTable();

// Whether a neighbour of a king of the side closes the king in: anything but
// an empty cell or an enemy piece. A king closed in on all sides can be
// attacked by a knight's leap alone, since every line from it ends at once
// on something that does not attack.
constexpr std::array<std::array<bool, Guard + 1>, 2> ClosingTable()
{
    std::array<std::array<bool, Guard + 1>, 2> table{};
    for (const int side : {WhiteSide, BlackSide}) {
        for (int code = 0; code <= Guard; ++code) {
            const Code c = static_cast<Code>(code);
            const bool enemyPiece = IsOccupant(c) && SideOf(c) != side && KindOf(c) != Marker;
            table[static_cast<std::size_t>(side)][c] = c != Empty && !enemyPiece;
        }
    }
    return table;
}
constexpr std::array<std::array<bool, Guard + 1>, 2> Closing = ClosingTable();

int KingSafety(const TEngineGame& game, int side, bool toMove)
{
    const std::array<bool, Guard + 1>& closing = Closing[static_cast<std::size_t>(side)];
    const std::array<int, Guard + 1>& shelter = Shelter[static_cast<std::size_t>(side)];
    const Code* const board = game.Cells();
    const int opponent = 1 - side;
    const int weight = game.Kings(side) == 1 ? LastKingWeight : 1;
    int total = 0;
    const TCellList& list = game.KingCells(side);
    for (int i = 0; i < list.count; ++i) {
        const int king = list.cells[static_cast<std::size_t>(i)];
        int safety = 0;
        int closed = 0;
        for (const int step : KingSteps) {
            const Code near = board[king + step];
            safety += shelter[near];
            closed += closing[near] ? 1 : 0;
        }
        const bool attacked = closed == static_cast<int>(KingSteps.size())
                                  ? game.AttackedByKnight(king, opponent)
                                  : game.Attacked(king, opponent);
        if (attacked)
            safety -= toMove ? AttackedKingWhenToMove : AttackedKingWhenWaiting;
        total += weight * safety;
    }
    return total;
}

} // namespace

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
