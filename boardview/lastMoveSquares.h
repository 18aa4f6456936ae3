#pragma once
// Which squares show the last move: the from- and to-squares of the latest
// turn's moves, as the records hold them.

#include <bitset>

#include "veltanbrdKernel.h"

/// One bit per square number (bit 0 unused).
using TSquareMarks = std::bitset<SquareCount + 1>;

/// The squares of the moves of the latest turn up to the record shown
/// (LastMove): that record and the records before it made by the same team in
/// the same team turn, at most MovesPerTeamTurn of them. When the record shown
/// completes a turn, that is the turn just ended. None at record 0.
TSquareMarks LastMoveSquares(const TVeltanBrdKernel& board);
