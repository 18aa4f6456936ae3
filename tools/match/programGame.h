#pragma once
// One game between two engine programs on a refereeing board: an opening of
// random moves, then each program asked for its moves in turn, until the game
// ends, a program fails, or the ply limit lets the board decide.

#include <memory>

#include "matchGame.h"
#include "protocolEngine.h"

/// The two programs of a match as one thread plays its games: the engine
/// measured and its opponent. A program that failed is started again for the next game.
struct TProgramPair {
    std::unique_ptr<TProtocolEngine> engine;
    std::unique_ptr<TProtocolEngine> opponent;
};

/// Plays the planned game between the pair, the result from the engine's side.
TGameRecord PlayProgramGame(const TGamePlan& plan, const TMatchOptions& options, TProgramPair& programs);
