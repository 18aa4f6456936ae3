#pragma once
// Puts the start of a planned game on a board: the catalogue's arrangement
// and owners with the plan's row shift and turn setting, and the opening both
// games of a pair begin with.

#include <cstdint>
#include <string>
#include <vector>

#include "matchSchedule.h"
#include "veltanbrdKernel.h"

/// Starts a running game of the plan on the board, White to move.
void StartGame(TVeltanBrdKernel& board, const TGamePlan& plan);

/// The `position` command of the plan's game after the moves (in the protocol's text).
std::string PositionCommand(const TGamePlan& plan, const std::vector<std::string>& moves);

/// `count` random legal moves from the plan's start, the same for both games
/// of a pair: drawn from the seed and the pair's number. A move that takes a
/// king is never chosen (it could end the game); when only such moves are
/// left the opening comes out shorter.
std::vector<std::string> OpeningMoves(const TGamePlan& plan, std::uint64_t seed, int count);
