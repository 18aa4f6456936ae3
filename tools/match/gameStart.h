#pragma once
// Puts the start of a planned game on a board: the arrangement with its
// armies moved in from the edges, the owners split by files among the team
// players, and the turn setting.

#include <string>

#include "matchSchedule.h"
#include "veltanbrdKernel.h"

/// The 256 letters of the arrangement with its armies rowShift ranks in from the edges.
std::string StartLetters(TArrangement arrangement, int rowShift);

/// The owners of a position split by files: player 1 holds the leftmost
/// files, and so on up to playersPerTeam.
std::string OwnersByFiles(const std::string& letters, int playersPerTeam);

/// Starts a running game of the plan on the board, White to move.
void StartGame(TVeltanBrdKernel& board, const TGamePlan& plan);
