#include "loadRun.h"

#include <QTextStream>

#include "botPlayer.h"
#include "moveChooser.h"
#include "protocolLimits.h"

namespace {

// One move a second per game: each seat waits this long before every move.
constexpr int PaceMs = 1000;

} // namespace

int TLoadRun::Pace() const
{
    // --think-ms sets a quicker (or slower) game than one move a second.
    return options_.thinkMs > 0 ? options_.thinkMs : PaceMs;
}

TLoadRun::TLoadRun(const TBotOptions& options, QObject* parent) : QObject(parent), options_(options)
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &TLoadRun::Finish);
    slots_.resize(options_.load);
}

void TLoadRun::Start()
{
    clock_.start();
    deadline_.start(options_.durationSeconds * 1000);
    for (int slot = 0; slot < options_.load; ++slot)
        StartGame(slot);
}

TBotPlayer* TLoadRun::NewPlayer(int slot, const TBotPlan& plan)
{
    // Every bot its own random moves, the same ones for the same seed.
    const quint64 seed = options_.seed * 1'000'003u + static_cast<quint64>(playersMade_++);
    const int engineMs = options_.choice == TMoveChoice::Engine ? options_.msPerMove : 0;
    // The name with the game's number still within the longest name a server takes.
    const QString name = QStringLiteral("%1-%2").arg(options_.name.left(net::MaxNameLength - 5)).arg(slot);
    auto* player =
        new TBotPlayer(options_.server, name, plan, std::make_unique<TMoveChooser>(seed, engineMs), this);
    connect(player, &TBotPlayer::MoveConfirmed, this,
            [this](qint64 microseconds) { latencies_.Add(microseconds); });
    connect(player, &TBotPlayer::Failed, this, [this, slot](const QString& problem) {
        ++failures_;
        QTextStream(stderr) << "veltan-netbot: game slot " << slot << ": " << problem << Qt::endl;
        EndGame(slot);
    });
    slots_[slot].append(player);
    player->Start();
    return player;
}

// The host creates the game and sits at white-1; once the code is known
// every other seat joins on a connection of its own.
void TLoadRun::StartGame(int slot)
{
    TBotPlan plan;
    plan.create = true;
    plan.settings = options_.settings;
    plan.seats = {net::TSeat{true, 1}};
    plan.thinkMs = Pace();
    TBotPlayer* host = NewPlayer(slot, plan);
    connect(host, &TBotPlayer::Created, this, [this, slot](const QString& game) { JoinGame(slot, game); });
    connect(host, &TBotPlayer::GameEnded, this, [this, slot] {
        ++gamesEnded_;
        EndGame(slot);
        if (!finished_)
            StartGame(slot);
    });
}

void TLoadRun::JoinGame(int slot, const QString& game)
{
    for (const bool white : {true, false}) {
        for (int player = 1; player <= options_.settings.playersPerTeam; ++player) {
            if (white && player == 1)
                continue; // the host's seat
            TBotPlan plan;
            plan.game = game;
            plan.seats = {net::TSeat{white, player}};
            plan.thinkMs = Pace();
            NewPlayer(slot, plan);
        }
    }
}

void TLoadRun::EndGame(int slot)
{
    for (TBotPlayer* player : std::as_const(slots_[slot])) {
        player->Stop();
        player->deleteLater();
    }
    slots_[slot].clear();
}

void TLoadRun::Finish()
{
    finished_ = true;
    for (int slot = 0; slot < slots_.size(); ++slot)
        EndGame(slot);
    emit Done();
}

QString TLoadRun::Report() const
{
    const double seconds = static_cast<double>(clock_.elapsed()) / 1000.0;
    const double perSecond = seconds > 0 ? static_cast<double>(latencies_.Count()) / seconds : 0.0;
    return QStringLiteral("load: %1 games at once for %2 s: %3 moves, %4 moves a second; move to its event "
                          "p50 %5 ms, p99 %6 ms; %7 games ended, %8 failures")
        .arg(options_.load)
        .arg(seconds, 0, 'f', 1)
        .arg(latencies_.Count())
        .arg(perSecond, 0, 'f', 1)
        .arg(static_cast<double>(latencies_.Percentile(0.5)) / 1000.0, 0, 'f', 2)
        .arg(static_cast<double>(latencies_.Percentile(0.99)) / 1000.0, 0, 'f', 2)
        .arg(gamesEnded_)
        .arg(failures_);
}
