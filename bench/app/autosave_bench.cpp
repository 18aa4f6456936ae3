// What keeping the unfinished game costs: the part on the UI thread after a
// move (copying the game and handing it to the writer) and, for comparison,
// the write itself, which runs on the writer's thread.

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "keptGameFixture.h"
#include "resumeAttributes.h"
#include "unfinishedGame.h"

namespace {

constexpr int GameMoves = 1000;

void UiThreadAfterAMove(benchmark::State& state)
{
    const auto board = LongGame(static_cast<int>(state.range(0)));
    const QTemporaryDir folder;
    TUnfinishedGameFile kept(folder.path());
    if (!kept.Claim()) {
        state.SkipWithError("no lock");
        return;
    }
    for (auto _ : state)
        kept.Save(GameFileContentOf(*board), ResumeAttributes(ResumeStateOf(*board, true)));
    kept.Flush();
}
BENCHMARK(UiThreadAfterAMove)->Arg(GameMoves)->Unit(benchmark::kMicrosecond);

void WriterThreadWrite(benchmark::State& state)
{
    const auto board = LongGame(static_cast<int>(state.range(0)));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("unfinished-game.xml"));
    const TGameFileContent game = GameFileContentOf(*board);
    const TExtraAttributes extras = ResumeAttributes(ResumeStateOf(*board, true));
    for (auto _ : state) {
        const bool done =
            SaveGameDocument(path, GameFileDocument(game, path, QStringLiteral("now"), extras)).done;
        benchmark::DoNotOptimize(done);
    }
}
BENCHMARK(WriterThreadWrite)->Arg(GameMoves)->Unit(benchmark::kMillisecond);

} // namespace
