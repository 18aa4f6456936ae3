#pragma once
// The static evaluation of a many-king game.

#include "engineGame.h"

namespace engine {

/// What an extra king is worth while the team has more than one: losing one
/// costs a life, losing the last one loses the game (the search sees that).
inline constexpr int KingLifeValue = 400;

/// The score of the game, in centipawns, for the team to move: material and
/// placement, mobility, the safety of the remaining kings (weighed far more
/// heavily for a team's last king), pawn advancement and the moves still to
/// be made in the turn.
int Evaluate(const TEngineGame& game);

/// True when the side's king on `cell` is attacked, as TEngineGame::Attacked
/// tells, but sooner for a king closed in by its own pieces and the edge.
bool KingAttacked(const TEngineGame& game, int cell, int side);

/// The part of Evaluate that needs no look at the board: material,
/// placement, kings left and tempo. The rest seldom moves the score by more
/// than LazyMargin.
int QuickEvaluate(const TEngineGame& game);
inline constexpr int LazyMargin = 300;

} // namespace engine
