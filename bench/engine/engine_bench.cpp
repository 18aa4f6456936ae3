// Speed of the engine: legal move generation over the positions of random
// games, a perft-style count from the start positions, search speed on one
// and two threads, and the time two threads take to reach a depth.
// The aims are 20 million legal moves and 1 million search positions per
// second on one core.

#include <benchmark/benchmark.h>

#include <atomic>
#include <vector>

#include "benchPositions.h"
#include "engineGame.h"
#include "search.h"

namespace {

using engine::TCellMove;
using engine::TEngineGame;
using engine::TUndo;
using enginebench::RandomGamePositions;
using enginebench::StartPosition;

void BM_LegalMoveGeneration(benchmark::State& state)
{
    const std::vector<TEngineGame> positions = RandomGamePositions(300);
    std::vector<TCellMove> moves;
    moves.reserve(1024);
    std::int64_t generated = 0;
    for (auto _ : state) {
        for (const TEngineGame& game : positions) {
            moves.clear();
            game.GenerateMoves(moves);
            generated += static_cast<std::int64_t>(moves.size());
        }
        benchmark::DoNotOptimize(moves.data());
    }
    state.counters["moves/s"] =
        benchmark::Counter(static_cast<double>(generated), benchmark::Counter::kIsRate);
    state.counters["moves/position"] =
        static_cast<double>(generated) / static_cast<double>(state.iterations() * positions.size());
}
BENCHMARK(BM_LegalMoveGeneration)->Unit(benchmark::kMillisecond);

// Counts the positions at the given depth; the last level only counts moves.
std::int64_t Perft(TEngineGame& game, int depth, std::vector<std::vector<TCellMove>>& lists)
{
    std::vector<TCellMove>& moves = lists[static_cast<std::size_t>(depth)];
    moves.clear();
    game.GenerateMoves(moves);
    if (depth == 1)
        return static_cast<std::int64_t>(moves.size());
    std::int64_t count = 0;
    TUndo undo;
    for (const TCellMove move : moves) {
        game.MakeMove(move, undo);
        count += game.GameEnded() ? 1 : Perft(game, depth - 1, lists);
        game.UnmakeMove(undo);
    }
    return count;
}

// Depth 3 from the start: with one move per turn White, Black, White.
void BM_PerftDepth3(benchmark::State& state)
{
    TVeltanBrdKernel board;
    StartPosition(board, static_cast<int>(state.range(0)), 1);
    TEngineGame game(board, board.StartPosition());
    std::vector<std::vector<TCellMove>> lists(4);
    std::int64_t nodes = 0, perNode = 0;
    for (auto _ : state) {
        perNode = Perft(game, 3, lists);
        nodes += perNode;
    }
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["nodes"] = static_cast<double>(perNode);
}
BENCHMARK(BM_PerftDepth3)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The computer's first move from the start, the main search stopping after
// two million positions; with helpers the rate counts every thread's positions.
void BM_SearchFromStart(benchmark::State& state)
{
    TVeltanBrdKernel board;
    StartPosition(board, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const TEngineGame game(board, board.StartPosition());
    const std::atomic<bool> stop{false};
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        TSearch search(game, 16);
        TSearchLimits limits;
        limits.maxNodes = 2'000'000;
        limits.threads = static_cast<int>(state.range(2));
        const TEngineMove move = search.FindMove(limits, stop);
        nodes += move.nodes;
        benchmark::DoNotOptimize(move);
    }
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchFromStart)
    ->Args({0, 1, 1})
    ->Args({1, 1, 1})
    ->Args({2, 1, 1})
    ->Args({0, 4, 1})
    ->Args({0, 1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Wall time for the searches of a fixed set of positions (the three starts
// with one and two moves a turn, and positions of random games) to complete
// the same depth, with the given number of threads.
void BM_TimeToDepth(benchmark::State& state)
{
    std::vector<TEngineGame> positions;
    for (int arrangement = 0; arrangement < 3; ++arrangement) {
        for (const int movesPerTeamTurn : {1, 2}) {
            TVeltanBrdKernel board;
            StartPosition(board, arrangement, movesPerTeamTurn);
            positions.emplace_back(board, board.StartPosition());
        }
    }
    const std::vector<TEngineGame> played = RandomGamePositions(60);
    for (std::size_t i = 5; i < played.size(); i += 12)
        positions.push_back(played[i]);
    const int depth = static_cast<int>(state.range(1));
    const std::atomic<bool> stop{false};
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        for (const TEngineGame& game : positions) {
            TSearch search(game, 16);
            TSearchLimits limits;
            limits.maxDepth = depth;
            limits.threads = static_cast<int>(state.range(0));
            nodes += search.FindMove(limits, stop).nodes;
        }
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
// Threads, then depth. Depth 5 takes about 40 s of one core over the set;
// each further depth several times that.
BENCHMARK(BM_TimeToDepth)
    ->ArgNames({"threads", "depth"})
    ->Args({1, 5})
    ->Args({2, 5})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
