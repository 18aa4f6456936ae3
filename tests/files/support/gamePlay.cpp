#include "gamePlay.h"

#include <random>
#include <utility>
#include <vector>

#include "startPositionCatalogue.h"

namespace {

constexpr double SecondsPerDay = 86400.0;

std::vector<std::pair<Square, Square>> LegalMoves(const TVeltanBrdKernel& board)
{
    std::vector<std::pair<Square, Square>> moves;
    const int side = board.WhiteToMove() ? ColorWhite : ColorBlack;
    for (int from = 1; from <= SquareCount; ++from) {
        const Square oldSq = static_cast<Square>(from);
        if (board.PlayerOnSquare(oldSq) != board.CurrentTeamPlayer() ||
            board.ColorOfPieceOnSquare(oldSq, false) != side)
            continue;
        for (int to = 1; to <= SquareCount; ++to) {
            if (board.MoveIsLegal(oldSq, static_cast<Square>(to)))
                moves.emplace_back(oldSq, static_cast<Square>(to));
        }
    }
    return moves;
}

} // namespace

void StartGame(TVeltanBrdKernel& board, TTurnSettings settings)
{
    board.SetStartPosition(catalogue::CataloguePosition(catalogue::StandardEntry, 0));
    board.SetStartPlayers(catalogue::CataloguePlayers(catalogue::StandardEntry, 0, settings.playersPerTeam));
    board.NewGame();
    board.SetPlayersPerTeam(settings.playersPerTeam);
    board.SetMovesPerTeamTurn(settings.movesPerTeamTurn);
    board.SetTimeIncrementWhite(7 / SecondsPerDay);
    board.SetTimeIncrementBlack(7 / SecondsPerDay);
    board.SetTimeLeftWhite(3600 / SecondsPerDay);
    board.SetTimeLeftBlack(3600 / SecondsPerDay);
    board.SetGameEnded(false);
}

int PlayMoves(TVeltanBrdKernel& board, int count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    int made = 0;
    while (made < count && !board.GameEnded()) {
        const auto moves = LegalMoves(board);
        if (moves.empty())
            break;
        const auto [from, to] =
            moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
        if (!board.PerformMove(from, to))
            break;
        ++made;
        MoveInfo& record = board.MoveList[static_cast<std::size_t>(board.LastMove)];
        record.TimeLeft = (3600 - 13 * made) / SecondsPerDay;
        if (record.WhiteTeamIsPlaying)
            board.SetTimeLeftWhite(record.TimeLeft);
        else
            board.SetTimeLeftBlack(record.TimeLeft);
    }
    return made;
}
