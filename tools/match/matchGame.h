#pragma once
// One game of a match: the engine against the opponent on a refereeing board.

#include <cstdint>
#include <string>

#include "matchOptions.h"
#include "matchSchedule.h"
#include "refereeBoard.h"

/// A game's result from the engine's side.
enum class TEngineResult { Won, Drawn, Lost };

/// What came of one game.
struct TGameRecord {
    TGamePlan plan;
    TEngineResult result = TEngineResult::Drawn;
    TEndReason reason = TEndReason::MoveCap;
    int moves = 0;        ///< single moves made by both teams
    double seconds = 0.0; ///< wall time of the whole game
    int engineMoves = 0;
    double averageDepth = 0.0; ///< mean deepest completed iteration of the engine's searches
    std::string note;          ///< what went wrong with an engine program, if anything
};

/// The result for the engine when `winner` has won (Nobody: a draw).
TEngineResult ResultFor(TWinner winner, bool engineWhite);

/// Plays the planned game to its end or the move limit. The opponent draws
/// its choices from a generator seeded with the match seed and the game
/// number, so a game's opponent does not depend on which thread plays it.
TGameRecord PlayGame(const TGamePlan& plan, const TMatchOptions& options);
