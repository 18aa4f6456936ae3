#include "matchGame.h"

#include <atomic>
#include <chrono>
#include <random>

#include "gameStart.h"
#include "opponents.h"
#include "search.h"

namespace {

using Clock = std::chrono::steady_clock;

// A fresh search of the board's game each move: a search works on its own
// copy of the game, which cannot be told of the moves made since.
TEngineMove EngineMove(const TVeltanBrdKernel& board, const TMatchOptions& options)
{
    TSearch search(engine::TEngineGame(board), options.hashMegabytes);
    TSearchLimits limits;
    limits.moveTime = std::chrono::milliseconds(options.msPerMove);
    const std::atomic<bool> stop{false};
    return search.FindMove(limits, stop);
}

TEngineResult ResultFor(TWinner winner, bool engineWhite)
{
    if (winner == TWinner::Nobody)
        return TEngineResult::Drawn;
    return (winner == TWinner::White) == engineWhite ? TEngineResult::Won : TEngineResult::Lost;
}

} // namespace

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

    long long depthSum = 0;
    bool stuck = false;
    while (!board.GameEnded() && board.LastMove < options.maxMoves) {
        Square from = SqrNone, to = SqrNone;
        if (board.WhiteToMove() == plan.engineWhite) {
            const TEngineMove found = EngineMove(board, options);
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
