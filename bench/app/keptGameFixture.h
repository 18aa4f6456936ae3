#pragma once
// A long game for the figures of keeping it: records of real positions, made
// without playing, so building it costs nothing worth measuring.

#include <memory>

#include "veltanbrdKernel.h"

/// A board whose history holds `moves` records (each the start position with
/// alternating teams and a move of one pawn), showing the last one.
std::unique_ptr<TVeltanBrdKernel> LongGame(int moves);
