#pragma once
// Steps of playing strength below the full search, for people learning the
// game. A step holds the search back by a budget (depth and positions) and
// by a beginner's way of choosing: some of the moves are not seen at all,
// and the scores of the rest are blurred before the best is taken. The
// blur and what goes unseen come from a seed, the position and the number
// of moves made, so a step plays the same game again with the same seed,
// but does not walk into the same repetition every time a position recurs.

#include <cstdint>
#include <vector>

// Declared only: the window includes this header for the number of steps,
// and the engine's game does not mix with its macros.
namespace engine {
class TEngineGame;
struct TCellMove;
} // namespace engine

/// Strength steps, 1 (weakest) to StrengthSteps (the strongest); 0 is the
/// full search, held back by nothing but the caller's limits.
inline constexpr int StrengthSteps = 8;

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
/// this seed and this moment of the game (DrawKey). At least one move stays
/// whenever `moves` has one.
std::vector<engine::TCellMove> SeenMoves(const engine::TEngineGame& game,
                                         const std::vector<engine::TCellMove>& moves, int step,
                                         std::uint64_t seed);

/// The position and the number of moves made, as one key for a step's draws.
std::uint64_t DrawKey(const engine::TEngineGame& game);

/// The blur a step adds to a root move's score: 0..blur centipawns, the
/// same for the same seed, draw key (DrawKey) and move.
int ScoreBlur(const TStrengthStep& step, std::uint64_t seed, std::uint64_t drawKey, engine::TCellMove move);
