// Saving and loading the longest game the history holds: 4096 moves.

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#include "gameFileReader.h"
#include "gameFileWriter.h"
#include "gameLoader.h"

namespace {

// The main window's part in a load, reduced to what it does to the board.
class BenchHost : public TGameHost {
public:
    explicit BenchHost(TVeltanBrdKernel& board) : _board(board) {}
    void InitialGameSetup() override
    {
        _board.InitOptions();
        _board.NewGame();
    }
    void UpdateGameSettings() override {}
    void StartStop() override { _board.SetGameEnded(!_board.GameEnded()); }
    QString GameFileFolder() const override { return {}; }
    void SetGameFileFolder(const QString&) override {}

private:
    TVeltanBrdKernel& _board;
};

// A full history of plausible records: pieces wander over the board, the
// teams alternate every two moves.
std::unique_ptr<TVeltanBrdKernel> LongestGame()
{
    auto board = std::make_unique<TVeltanBrdKernel>();
    board->InitOptions();
    board->NewGame();
    board->SetMovesPerTeamTurn(2);
    std::string position = board->position();
    std::string players = board->players();
    for (int n = 1; n <= MaxHistoryMoves; ++n) {
        const auto from = static_cast<std::size_t>((n * 37) % SquareCount);
        const auto to = static_cast<std::size_t>((n * 91 + 17) % SquareCount);
        if (position[from] != ' ' && position[to] == ' ') {
            std::swap(position[from], position[to]);
            std::swap(players[from], players[to]);
        }
        MoveInfo record;
        record.position = position;
        record.players = players;
        record.OldSquare = static_cast<Square>(from + 1);
        record.NewSquare = static_cast<Square>(to + 1);
        record.WhiteTeamIsPlaying = (n - 1) / 2 % 2 == 0;
        record.TimeLeft = (3600 - n % 3600) / 86400.0;
        board->LoadMove(n, record);
    }
    board->GotoMove(MaxHistoryMoves);
    return board;
}

void BM_SaveGame4096(benchmark::State& state)
{
    const auto board = LongestGame();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.xml"));
    for (auto _ : state) {
        const TGameFileOutcome outcome = SaveGameFile(path, *board, QStringLiteral("2024-03-15-14-05-09"));
        if (!outcome.done)
            state.SkipWithError(outcome.message.toStdString().c_str());
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_SaveGame4096)->Unit(benchmark::kMillisecond);

void BM_LoadGame4096(benchmark::State& state)
{
    const auto source = LongestGame();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.xml"));
    if (!SaveGameFile(path, *source, QStringLiteral("2024-03-15-14-05-09")).done)
        state.SkipWithError("cannot save the game to load");
    auto board = std::make_unique<TVeltanBrdKernel>();
    BenchHost host(*board);
    for (auto _ : state) {
        const TGameFileOutcome outcome = LoadGameFile(path, *board, host);
        if (!outcome.done)
            state.SkipWithError(outcome.message.toStdString().c_str());
    }
}
BENCHMARK(BM_LoadGame4096)->Unit(benchmark::kMillisecond);

// The check alone, without the file system and the board: the part a
// damaged file costs before it is refused.
void BM_CheckGame4096(benchmark::State& state)
{
    const auto board = LongestGame();
    const QByteArray document = GameFileDocument(*board, QStringLiteral("game.xml"), QStringLiteral("stamp"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseGameFile(document).Passed());
}
BENCHMARK(BM_CheckGame4096)->Unit(benchmark::kMillisecond);

} // namespace
