// Speed of the rules as the board and the players use them.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "veltanbrdKernel.h"

namespace {

void StartClassicGame(TVeltanBrdKernel& board, int movesPerTeamTurn)
{
    board.NewGame();
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    board.SetGameEnded(false);
}

// A middle game: a few moves into the classic arrangement.
void MiddleGame(TVeltanBrdKernel& board)
{
    StartClassicGame(board, 1);
    const std::pair<Square, Square> opening[] = {{H04, H07}, {H13, H10}, {E04, E06}, {I13, I11}, {G04, G05}};
    for (const auto& [from, to] : opening)
        board.PerformMove(from, to);
}

// The green highlight of one pressed piece: every destination asked once.
void BM_LegalDestinationScan(benchmark::State& state)
{
    TVeltanBrdKernel board;
    MiddleGame(board);
    const Square pressed = state.range(0) == 0 ? D02 : H07; // a queen behind pawns, an advanced pawn
    for (auto _ : state) {
        int legal = 0;
        for (int to = 1; to <= SquareCount; ++to)
            legal += board.MoveIsLegal(pressed, static_cast<Square>(to)) ? 1 : 0;
        benchmark::DoNotOptimize(legal);
    }
}
BENCHMARK(BM_LegalDestinationScan)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LegalMoveAvailable(benchmark::State& state)
{
    TVeltanBrdKernel board;
    MiddleGame(board);
    for (auto _ : state)
        benchmark::DoNotOptimize(board.LegalMoveAvailable());
}
BENCHMARK(BM_LegalMoveAvailable)->Unit(benchmark::kMicrosecond);

// Worst case: no move at all, so every pair is examined.
void BM_LegalMoveAvailableNone(benchmark::State& state)
{
    TVeltanBrdKernel board;
    std::string position(SquareCount, ' ');
    std::string players(SquareCount, '0');
    // Two full ranks of White pawns at the far edge: none of them can move.
    for (int file = 1; file <= BoardSize; ++file) {
        for (const int rank : {15, 16}) {
            position[static_cast<std::size_t>(SquareAt(file, rank) - 1)] = 'P';
            players[static_cast<std::size_t>(SquareAt(file, rank) - 1)] = '1';
        }
    }
    board.SetStartPosition(position);
    board.SetStartPlayers(players);
    board.NewGame();
    board.SetGameEnded(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(board.LegalMoveAvailable());
}
BENCHMARK(BM_LegalMoveAvailableNone)->Unit(benchmark::kMicrosecond);

// A whole game of up to 500 random legal moves, as players would make them.
void BM_RandomGame500(benchmark::State& state)
{
    std::mt19937 random(7);
    std::vector<std::pair<Square, Square>> moves;
    int played = 0;
    for (auto _ : state) {
        TVeltanBrdKernel board;
        StartClassicGame(board, static_cast<int>(state.range(0)));
        for (int n = 0; n < 500 && !board.GameEnded(); ++n) {
            moves.clear();
            for (int from = 1; from <= SquareCount; ++from) {
                if (board.PlayerOnSquare(static_cast<Square>(from)) != board.CurrentTeamPlayer())
                    continue;
                for (int to = 1; to <= SquareCount; ++to) {
                    if (board.MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                        moves.emplace_back(static_cast<Square>(from), static_cast<Square>(to));
                }
            }
            if (moves.empty())
                break;
            const auto [from, to] = moves[random() % moves.size()];
            board.PerformMove(from, to);
            ++played;
        }
    }
    state.counters["moves"] = benchmark::Counter(played, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RandomGame500)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
