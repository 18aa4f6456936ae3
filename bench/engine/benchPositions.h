#pragma once
// Positions the engine's benchmarks and by-hand checks search: the start
// arrangements and positions taken from random games, the same every run.

#include <vector>

#include "engineGame.h"

namespace enginebench {

/// Sets the board to a start: 0 the classic arrangement, 1 the quadrant one,
/// 2 rows of rooks and kings; one player per team.
void StartPosition(TVeltanBrdKernel& board, int arrangement, int movesPerTeamTurn);

/// `count` positions of random games over the three arrangements, one move a
/// turn, every sixth single move of each game; the same ones on every run.
std::vector<engine::TEngineGame> RandomGamePositions(int count);

} // namespace enginebench
