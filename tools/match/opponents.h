#pragma once
// The engine's sparring partners: one plays any legal move at random, the
// other takes the most valuable piece it can and otherwise plays at random.

#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "matchOptions.h"
#include "veltanbrdKernel.h"

using TSquarePair = std::pair<Square, Square>;

/// The legal moves of the current team player, in no particular order.
std::vector<TSquarePair> LegalMoves(const TVeltanBrdKernel& board);

/// A move of the current team player chosen the opponent's way, or nothing
/// when that player has no legal move. The same board and generator state
/// always give the same move.
std::optional<TSquarePair> ChooseOpponentMove(TOpponentKind kind, const TVeltanBrdKernel& board,
                                              std::mt19937_64& random);

/// What taking the content of `to` is worth to the side to move: 0 for an
/// empty square or an own piece, a king more than any other piece.
int CaptureWorth(const TVeltanBrdKernel& board, Square to);
