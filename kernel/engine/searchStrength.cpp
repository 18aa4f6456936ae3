#include "searchStrength.h"

#include <array>

#include "engineGame.h"
#include "zobrist.h"

using namespace engine;

namespace {

// From the beginner, who sees one move ahead, overlooks a good share of the
// board and can hardly tell a fair move from a good one, to the full search
// on a budget of positions. Seeing one move further is worth far more than
// any blur in this game (a clean depth 1 loses almost every game to a blurred
// depth 2), so the steps climb by blur and overlooked moves within a depth
// before they add one. Each was set by matches against its neighbours
// (docs/engine.md).
constexpr std::array<TStrengthStep, StrengthSteps> Steps = {{
    {1, 0, 300, 30},
    {1, 0, 200, 20},
    {1, 0, 30, 0},
    {2, 0, 300, 30},
    {2, 0, 220, 20},
    {2, 0, 100, 8},
    {64, 5'000, 0, 0},
    {64, 1'000'000, 0, 0},
}};

// Moves and positions mixed with the seed into one random number.
std::uint64_t Draw(std::uint64_t seed, std::uint64_t drawKey, TCellMove move, std::uint64_t purpose)
{
    const std::uint64_t moveBits = (static_cast<std::uint64_t>(move.from) << 16) | move.to;
    return MixKey(MixKey(seed ^ purpose) ^ drawKey ^ MixKey(moveBits));
}

constexpr std::uint64_t UnseenDraw = 0x0B5E'12ED;
constexpr std::uint64_t BlurDraw = 0xB1'0B;

bool TakesKing(const TEngineGame& game, TCellMove move)
{
    const Code target = game.CellCode(move.to);
    return KindOf(target) == King && IsSide(target, 1 - game.SideToMove());
}

} // namespace

TStrengthStep StrengthStep(int step)
{
    if (step < 1 || step > StrengthSteps)
        return {};
    return Steps[static_cast<std::size_t>(step - 1)];
}

std::vector<TCellMove> SeenMoves(const TEngineGame& game, const std::vector<TCellMove>& moves, int step,
                                 std::uint64_t seed)
{
    const int unseen = StrengthStep(step).unseenPercent;
    if (unseen <= 0)
        return moves;
    const std::uint64_t key = DrawKey(game);
    std::vector<TCellMove> seen;
    seen.reserve(moves.size());
    for (const TCellMove move : moves) {
        // A king standing en prise is what every player looks at first.
        if (TakesKing(game, move) || static_cast<int>(Draw(seed, key, move, UnseenDraw) % 100) >= unseen)
            seen.push_back(move);
    }
    if (seen.empty() && !moves.empty())
        seen.push_back(moves[static_cast<std::size_t>(Draw(seed, key, {}, UnseenDraw) % moves.size())]);
    return seen;
}

std::uint64_t DrawKey(const TEngineGame& game)
{
    return game.Key() ^ MixKey(static_cast<std::uint64_t>(game.MoveNumber()) + 1);
}

int ScoreBlur(const TStrengthStep& step, std::uint64_t seed, std::uint64_t drawKey, TCellMove move)
{
    if (step.blur <= 0)
        return 0;
    return static_cast<int>(Draw(seed, drawKey, move, BlurDraw) % static_cast<std::uint64_t>(step.blur + 1));
}
