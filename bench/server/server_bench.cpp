// The server on loopback, its database on the machine's disk: how soon a move
// reaches everyone in a game, and how soon a watcher joining a long game has
// all of it. The server runs as its own process, as it does in use.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>

#include "followedGame.h"
#include "longGame.h"
#include "serverProcess.h"

namespace {

// Pacing between moves keeps every connection well under the server's rate
// limit, as people and fair bots are; it is not part of what is measured.
constexpr int PaceMs = 60;

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

// A folder on the disk the database lives on in use (never a memory file system).
QString DiskFolder()
{
    return QDir::currentPath();
}

void MoveSeenByFourPlayersAndTenWatchers(benchmark::State& state)
{
    QTemporaryDir folder(DiskFolder() + QStringLiteral("/server-bench-XXXXXX"));
    TServerProcess server(folder.path());
    if (!server.Start()) {
        state.SkipWithError("the server did not start");
        return;
    }
    net::TOnlineSettings settings;
    settings.playersPerTeam = 2;
    settings.movesPerTeamTurn = 2;
    auto game = std::make_unique<TFollowedGame>(server.Url(), settings, 10);
    if (!game->Ready()) {
        state.SkipWithError(game->Problem().c_str());
        return;
    }
    std::vector<double> latencies;
    for (auto _ : state) {
        if (game->Over())
            game = std::make_unique<TFollowedGame>(server.Url(), settings, 10);
        game->ChooseMove();
        QElapsedTimer clock;
        clock.start();
        game->SendMove();
        if (!game->AllSeeTheMove()) {
            state.SkipWithError("a connection missed a move");
            return;
        }
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        latencies.push_back(seconds * 1e3);
        QThread::msleep(PaceMs);
    }
    state.counters["p50_ms"] = Percentile(latencies, 0.50);
    state.counters["p99_ms"] = Percentile(latencies, 0.99);
}
BENCHMARK(MoveSeenByFourPlayersAndTenWatchers)
    ->UseManualTime()
    ->Iterations(400)
    ->Unit(benchmark::kMillisecond);

void WatcherJoinsAGameOf4000Moves(benchmark::State& state)
{
    QTemporaryDir folder(DiskFolder() + QStringLiteral("/server-bench-XXXXXX"));
    TServerProcess server(folder.path());
    const QString code = StoreLongGame(server.DatabasePath(), 4000);
    if (code.isEmpty() || !server.Start()) {
        state.SkipWithError("the long game could not be set up");
        return;
    }
    for (auto _ : state) {
        TTestClient watcher;
        watcher.Open(server.Url());
        watcher.Send(Hello(QStringLiteral("watcher")));
        watcher.Next(QStringLiteral("welcome"));
        QElapsedTimer clock;
        clock.start();
        watcher.Send({{"type", "watch"}, {"game", code}});
        const auto snapshot = watcher.Next(QStringLiteral("snapshot"), 10'000);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (!snapshot || snapshot->value(QStringLiteral("moves")).toArray().size() < 4000) {
            static std::string problem;
            problem = snapshot ? "the snapshot holds " +
                                     std::to_string(snapshot->value(QStringLiteral("moves")).toArray().size()) + " moves"
                               : "no snapshot: " + server.Log().right(300).toStdString();
            state.SkipWithError(problem.c_str());
            return;
        }
    }
}
BENCHMARK(WatcherJoinsAGameOf4000Moves)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
