#pragma once
// Games played through the kernel for the file and window tests.

#include <cstdint>

#include "veltanbrdKernel.h"

/// Turn settings of one game.
struct TTurnSettings {
    int movesPerTeamTurn = 1;
    int playersPerTeam = 1;
};

/// A running game from the standard arrangement, its armies shared among the
/// team's players, with the given turn settings, an increment of 7 seconds and
/// one hour on each clock.
void StartGame(TVeltanBrdKernel& board, TTurnSettings settings);

/// Plays up to count legal moves chosen by a generator seeded with seed, and
/// after each one stores the mover's remaining time (whole seconds) in the
/// record and on the team's clock, as the main window's clock does. Returns
/// the number of moves made; fewer only when the game ended.
int PlayMoves(TVeltanBrdKernel& board, int count, std::uint32_t seed);
