#include "matchGame.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <random>

#include "gameStart.h"
#include "opponents.h"
#include "search.h"

namespace {

using Clock = std::chrono::steady_clock;

// The rules never change within a game, so what the table learnt stays true.
constexpr bool KeepLearnt = true;

// The engine's side of one game: one search kept from move to move, so what
// its table learnt about positions helps the later moves.
class TEnginePlayer {
public:
    explicit TEnginePlayer(const TMatchOptions& options) : options_(options) {}

    /// The engine's move for the board's current team player, after the options' time per move.
    TEngineMove Move(const TVeltanBrdKernel& board)
    {
        if (search_ == nullptr)
            search_ = std::make_unique<TSearch>(engine::TEngineGame(board), options_.hashMegabytes);
        else
            search_->Reset(engine::TEngineGame(board), KeepLearnt);
        TSearchLimits limits;
        limits.moveTime = std::chrono::milliseconds(options_.msPerMove);
        if (options_.depth > 0)
            limits.maxDepth = options_.depth;
        limits.maxNodes = options_.nodes;
        limits.strength = options_.strength;
        const std::atomic<bool> stop{false};
        return search_->FindMove(limits, stop);
    }

private:
    const TMatchOptions& options_;
    std::unique_ptr<TSearch> search_;
};

} // namespace

TEngineResult ResultFor(TWinner winner, bool engineWhite)
{
    if (winner == TWinner::Nobody)
        return TEngineResult::Drawn;
    return (winner == TWinner::White) == engineWhite ? TEngineResult::Won : TEngineResult::Lost;
}

TGameRecord PlayGame(const TGamePlan& plan, const TMatchOptions& options)
{
    const auto start = Clock::now();
    TGameRecord record;
    record.plan = plan;

    TRefereeBoard board;
    StartGame(board, plan);
    std::seed_seq seeds{static_cast<std::uint32_t>(options.seed),
                        static_cast<std::uint32_t>(options.seed >> 32),
                        static_cast<std::uint32_t>(plan.number)};
    std::mt19937_64 random(seeds);

    TEnginePlayer engine(options);
    long long depthSum = 0;
    bool stuck = false;
    while (!board.GameEnded() && board.LastMove < options.maxMoves) {
        Square from = SqrNone, to = SqrNone;
        if (board.WhiteToMove() == plan.engineWhite) {
            const TEngineMove found = engine.Move(board);
            from = found.from;
            to = found.to;
            ++record.engineMoves;
            depthSum += found.depth;
        } else if (const auto chosen = ChooseOpponentMove(options.opponent, board, random)) {
            from = chosen->first;
            to = chosen->second;
        }
        // The board settles the turn after every move, so the player to move
        // always has a move while the game runs; anything else is a fault here.
        if (from == SqrNone || !board.PerformMove(from, to)) {
            stuck = true;
            break;
        }
    }

    record.moves = board.LastMove;
    if (stuck) {
        record.reason = TEndReason::NoMove;
        record.result = TEngineResult::Drawn;
    } else if (!board.GameEnded()) {
        record.reason = TEndReason::MoveCap;
        record.result = TEngineResult::Drawn;
    } else {
        record.reason = board.Reason();
        record.result = ResultFor(board.Winner(), plan.engineWhite);
    }
    if (record.engineMoves > 0)
        record.averageDepth = static_cast<double>(depthSum) / record.engineMoves;
    record.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return record;
}
