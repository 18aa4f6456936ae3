#include "moveChooser.h"

#include <array>
#include <atomic>
#include <vector>

#include "engineGame.h"
#include "search.h"
#include "veltanbrdKernel.h"

namespace {

constexpr std::size_t EngineHashMegabytes = 16;
// The rules never change within a game, so what the table learnt stays true.
constexpr bool KeepLearnt = true;
// The letters a promotion may name; NoPromotion (a queen) is the most common choice.
constexpr std::array<char, 5> PromotionChoices = {NoPromotion, 'q', 'r', 'b', 'n'};

bool Promotes(const TVeltanBrdKernel& board, Square from, Square to)
{
    const char piece = board.PieceOn(from);
    return (piece == 'P' || piece == 'p') && (RankOf(to) == 1 || RankOf(to) == BoardSize);
}

} // namespace

TMoveChooser::TMoveChooser(std::uint64_t seed, int engineMs) : random_(seed), engineMs_(engineMs)
{
}

TMoveChooser::~TMoveChooser() = default;

std::optional<TProtocolMove> TMoveChooser::Choose(const TVeltanBrdKernel& board)
{
    return engineMs_ > 0 ? Engine(board) : Random(board);
}

std::optional<TProtocolMove> TMoveChooser::Random(const TVeltanBrdKernel& board)
{
    // The engine's generator gives exactly the moves the board's MoveIsLegal accepts.
    std::vector<engine::TCellMove> moves;
    engine::TEngineGame(board).GenerateMoves(moves);
    if (moves.empty())
        return std::nullopt;
    const engine::TCellMove chosen =
        moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random_)];
    TProtocolMove move{engine::SquareAtCell(chosen.from), engine::SquareAtCell(chosen.to), NoPromotion};
    if (Promotes(board, move.from, move.to))
        move.promotion = PromotionChoices[std::uniform_int_distribution<std::size_t>(
            0, PromotionChoices.size() - 1)(random_)];
    return move;
}

std::optional<TProtocolMove> TMoveChooser::Engine(const TVeltanBrdKernel& board)
{
    if (search_ == nullptr)
        search_ = std::make_unique<TSearch>(engine::TEngineGame(board), EngineHashMegabytes);
    else
        search_->Reset(engine::TEngineGame(board), KeepLearnt);
    TSearchLimits limits;
    limits.moveTime = std::chrono::milliseconds(engineMs_);
    const std::atomic<bool> stop{false};
    const TEngineMove found = search_->FindMove(limits, stop);
    if (found.from == SqrNone)
        return std::nullopt;
    return TProtocolMove{found.from, found.to, NoPromotion};
}
