#pragma once
// A legal move for a test to make, found by the engine's move generator.
// Plain C++: the engine's headers use words Qt's headers take for themselves.

#include <optional>
#include <utility>

#include "square.h"

class TVeltanBrdKernel;

/// The first legal move of the board's player to move; nothing when there is none.
std::optional<std::pair<Square, Square>> FirstLegalMove(const TVeltanBrdKernel& board);
