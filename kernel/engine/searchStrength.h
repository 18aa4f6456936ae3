#pragma once
// Steps of playing strength below the full search, for people learning the
// game. A step holds the search back by a budget (depth and positions) and
// by a beginner's way of choosing: some of the moves are not seen at all,
// and the scores of the rest are blurred before the best is taken. The
// blur and what goes unseen come from a seed and the position, so a step
// plays the same move in the same position with the same seed.

#include <cstdint>
#include <vector>

#include "engineGame.h"

/// Strength steps, 1 (weakest) to StrengthSteps (the strongest); 0 is the
/// full search, held back by nothing but the caller's limits.
inline constexpr int StrengthSteps = 7;

/// What a step allows the search.
struct TStrengthStep {
    int maxDepth = 64;          ///< deepest iteration
    std::uint64_t maxNodes = 0; ///< positions the search visits at most; zero for no limit
    int blur = 0;               ///< each root move's score gains a random 0..blur centipawns
    int unseenPercent = 0;      ///< share of the root's moves left out (never all; never a king's capture)
};

/// The step's budget and choosing; step 0 (and any step outside 1..StrengthSteps) holds nothing back.
TStrengthStep StrengthStep(int step);

/// The moves a player at `step` sees, in their order: those not left out for
/// this seed and position. At least one move stays whenever `moves` has one.
std::vector<engine::TCellMove> SeenMoves(const engine::TEngineGame& game, const std::vector<engine::TCellMove>& moves,
                                         int step, std::uint64_t seed);

/// The blur a step adds to a root move's score in this position: 0..blur
/// centipawns, the same for the same seed, position and move.
int ScoreBlur(const TStrengthStep& step, std::uint64_t seed, std::uint64_t positionKey, engine::TCellMove move);
