#include "gameStart.h"

#include <random>

#include "opponents.h"
#include "positionCommand.h"
#include "startPositionCatalogue.h"

namespace {

// Taking a king can end the game, and no opening should decide one.
bool TakesAKing(const TVeltanBrdKernel& board, const TSquarePair& move)
{
    const char target = board.PieceOn(move.second);
    return target == (board.WhiteToMove() ? 'k' : 'K');
}

} // namespace

void StartGame(TVeltanBrdKernel& board, const TGamePlan& plan)
{
    StartRefereedGame(
        board, catalogue::CataloguePosition(plan.arrangement, plan.rowShift),
        catalogue::CataloguePlayers(plan.arrangement, plan.rowShift, plan.setting.playersPerTeam),
        plan.setting);
    board.SetComputerPlaysWhite(false);
    board.SetComputerPlaysBlack(false);
}

std::string PositionCommand(const TGamePlan& plan, const std::vector<std::string>& moves)
{
    return CataloguePositionCommand(plan.arrangement, plan.rowShift, plan.setting, moves);
}

std::vector<std::string> OpeningMoves(const TGamePlan& plan, std::uint64_t seed, int count)
{
    TVeltanBrdKernel board;
    StartGame(board, plan);
    std::seed_seq seeds{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                        static_cast<std::uint32_t>(plan.pair)};
    std::mt19937_64 random(seeds);
    std::vector<std::string> moves;
    while (static_cast<int>(moves.size()) < count) {
        std::vector<TSquarePair> candidates = LegalMoves(board);
        std::erase_if(candidates, [&](const TSquarePair& move) { return TakesAKing(board, move); });
        if (candidates.empty())
            break;
        const auto [from, to] =
            candidates[std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(random)];
        board.PerformMove(from, to);
        moves.push_back(MoveText(from, to));
    }
    return moves;
}
