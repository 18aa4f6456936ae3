#pragma once
// Ending a long game between engines by what stands on the board: the side
// with more kings wins; with as many kings, the side ahead by at least five
// pawns of material; otherwise the game is drawn.

#include <string>

#include "refereeBoard.h"

/// Material of a piece letter in centipawns (P 100, N 300, B 330, R 500,
/// Q 950); kings and en passant markers count nothing.
int MaterialOf(char letter);

/// The winner by kings, then by a material lead of at least 500 centipawns.
TWinner AdjudicatedWinner(const std::string& position);
