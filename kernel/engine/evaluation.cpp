// The evaluation. Material and placement (pawn advancement among them) come
// ready from the game; here are the parts that depend on the neighbourhood of
// pieces: mobility and the safety of kings.

#include "evaluation.h"

#include "steps.h"

namespace engine {

namespace {

// Mobility per reachable square of a line piece.
constexpr int BishopMobility = 2;
constexpr int RookMobility = 2;
constexpr int QueenMobility = 1;
constexpr int MobilityReach = 3;

// King safety. An attacked king is in danger mostly when the enemy moves
// next; the last king carries the game, so everything about it counts thrice.
constexpr int AttackedKingWhenToMove = 40;
constexpr int AttackedKingWhenWaiting = 160;
constexpr int LastKingWeight = 3;
constexpr int ShelterPerPiece = 6;
constexpr int EnemyNearKing = 15;

// Each move the team still has in its turn is worth a little.
constexpr int TempoPerMoveLeft = 12;

// Knights get their due from placement; the long-range pieces from the
// squares they reach.
int Mobility(const TEngineGame& game, int side)
{
    const int opponent = 1 - side;
    const Code* const board = game.Cells();
    int total = 0;
    const TCellList& list = game.Sliders(side);
    for (int i = 0; i < list.count; ++i) {
        const int from = list.cells[static_cast<std::size_t>(i)];
        const int kind = KindOf(board[from]);
        const int first = kind == Rook ? 4 : 0, last = kind == Bishop ? 4 : 8;
        int squares = 0;
        for (int d = first; d < last; ++d) {
            // The first few squares of a line tell most of how free a piece is:
            // the empty ones up to MobilityReach, and a capture just before it.
            const int step = KingSteps[static_cast<std::size_t>(d)];
            const Code* at = board + from + step;
            int reach = 0;
            while (*at == Empty) {
                if (++reach == MobilityReach)
                    break;
                at += step;
            }
            squares += reach + (reach < MobilityReach && IsSide(*at, opponent) ? 1 : 0);
        }
        total += squares * (kind == Bishop ? BishopMobility : kind == Rook ? RookMobility : QueenMobility);
    }
    return total;
}

int KingLives(const TEngineGame& game, int side)
{
    const int kings = game.Kings(side);
    return KingLifeValue * (kings > 0 ? kings - 1 : 0);
}

int KingSafety(const TEngineGame& game, int side, bool toMove)
{
    const int opponent = 1 - side;
    const int weight = game.Kings(side) == 1 ? LastKingWeight : 1;
    int total = 0;
    const TCellList& list = game.KingCells(side);
    for (int i = 0; i < list.count; ++i) {
        const int king = list.cells[static_cast<std::size_t>(i)];
        int safety = 0;
        for (const int step : KingSteps) {
            const Code near = game.CellCode(king + step);
            if (IsOccupant(near) && KindOf(near) != Marker)
                safety += SideOf(near) == side ? ShelterPerPiece : -EnemyNearKing;
        }
        if (game.Attacked(king, opponent))
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
    return QuickEvaluate(game) + Mobility(game, us) - Mobility(game, them) + KingSafety(game, us, true) -
           KingSafety(game, them, false);
}

} // namespace engine
