// The window's network play on loopback: two main windows in this process,
// each with its Network menu, against a real veltan-server process.
//
//   InvitationToBoard  a link accepted in a fresh window → the game's board
//                      shown there and its seats asked for
//   DropToGlide        a move dropped in one window → its piece starting to
//                      glide in the other (p50 and p99 as counters; beside
//                      them the median of the server's answer to the mover)
//
// The platform is whatever QT_QPA_PLATFORM says (offscreen by default). The
// settings and kept games go to a temporary home.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <vector>

#include "VeltanGUI.h"
#include "animationSprite.h"
#include "answeringOnlineDialogs.h"
#include "eventWait.h"
#include "networkMenu.h"
#include "onlineTable.h"
#include "refereeGame.h"
#include "serverProcess.h"
#include "veltanbrd.h"

namespace {

constexpr int WaitMs = 10'000;

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

/// Dialogs that also note when the seats are asked for: the joined game's board is shown by then.
class TTimedDialogs : public TAnsweringOnlineDialogs {
public:
    const QElapsedTimer* clock = nullptr;
    qint64 seatsAskedNs = 0;

    online::TSeatsChoice AskSeats(QWidget* parent, const net::TFollowedGame& game) override
    {
        if (clock != nullptr)
            seatsAskedNs = clock->nsecsElapsed();
        return TAnsweringOnlineDialogs::AskSeats(parent, game);
    }
};

/// A main window and its Network menu, the menu's questions answered beforehand.
struct TPlayer {
    TTimedDialogs dialogs;
    std::unique_ptr<TFrmVeltanBrd> window;
    std::unique_ptr<online::TNetworkMenu> menu; // goes before the window

    TPlayer(const QString& kept)
        : window(std::make_unique<TFrmVeltanBrd>()),
          menu(std::make_unique<online::TNetworkMenu>(*window, dialogs, kept))
    {
        window->SetModalRunner([](QDialog&) { return 0; });
        window->show();
        QCoreApplication::processEvents();
    }
    TVeltanBrd& Board() { return window->Board(); }
    net::TOnlineSession& Session() { return menu->Table()->Session(); }
};

/// The host takes White in a one-move-a-turn game on `server`; the game's link, or empty.
QString Host(TPlayer& host, const TServerProcess& server)
{
    online::THostChoice choice;
    choice.onThisMachine = false;
    choice.address = QStringLiteral("127.0.0.1:%1").arg(server.Port());
    choice.name = QStringLiteral("Ann");
    choice.settings.movesPerTeamTurn = 1;
    host.dialogs.host = choice;
    host.menu->Host();
    if (!WaitFor([&] { return !host.menu->InvitationLink().isEmpty(); }, WaitMs))
        return {};
    return host.menu->InvitationLink();
}

bool Join(TPlayer& guest, const QString& link, const QList<net::TSeat>& seats)
{
    const net::TInvitationReading reading = net::ReadInvitationLink(link);
    if (!reading.invitation)
        return false;
    guest.dialogs.join = online::TJoinChoice{*reading.invitation, QStringLiteral("Ben")};
    guest.dialogs.seats = seats;
    guest.menu->Join(link);
    return WaitFor([&] { return guest.dialogs.seatQuestions == 1; }, WaitMs);
}

/// A legal move of the side to move on `board`, drawn by `random`.
std::pair<Square, Square> RandomLegalMove(const TVeltanBrdKernel& board, std::mt19937& random)
{
    const std::vector<std::pair<Square, Square>> moves = AllowedMoves(board);
    if (moves.empty())
        return {SqrNone, SqrNone};
    return moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
}

QPoint SquareCentre(const TVeltanBrd& board, Square square)
{
    const int half = board.SizeOfSquare() / 2;
    return board.SquareToCoords(square).value_or(QPoint()) + QPoint(half, half);
}

/// Notes when a piece starts gliding in a given window, on a running clock:
/// waiting for it only looks now and then.
class TGlideWatch : public QObject {
public:
    QWidget* window = nullptr;
    const QElapsedTimer* clock = nullptr;
    bool seen = false;
    qint64 seenNs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen && event->type() == QEvent::Show &&
            watched->objectName() == TAnimationSprite::SpriteObjectName) {
            const auto* const widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->window() == window) {
                seen = true;
                seenNs = clock->nsecsElapsed();
            }
        }
        return false;
    }
};

void InvitationToBoard(benchmark::State& state)
{
    QTemporaryDir folder;
    TServerProcess server(folder.path());
    TPlayer host(folder.filePath(QStringLiteral("host.json")));
    const QString link = server.Start() ? Host(host, server) : QString();
    if (link.isEmpty()) {
        state.SkipWithError("no game to join");
        return;
    }
    int guests = 0;
    for (auto _ : state) {
        TPlayer guest(folder.filePath(QStringLiteral("guest-%1.json").arg(++guests)));
        QElapsedTimer clock;
        guest.dialogs.clock = &clock;
        clock.start();
        if (!Join(guest, link, {})) {
            state.SkipWithError("the joined game was never shown");
            return;
        }
        state.SetIterationTime(static_cast<double>(guest.dialogs.seatsAskedNs) / 1e9);
        if (guest.Board().LastMove != 0 || !guest.Session().Game().HasGame()) {
            state.SkipWithError("the board does not show the game");
            return;
        }
    }
}
BENCHMARK(InvitationToBoard)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void DropToGlide(benchmark::State& state)
{
    QTemporaryDir folder;
    TServerProcess server(folder.path());
    TPlayer white(folder.filePath(QStringLiteral("white.json")));
    TPlayer black(folder.filePath(QStringLiteral("black.json")));
    const QString link = server.Start() ? Host(white, server) : QString();
    if (link.isEmpty() || !Join(black, link, {net::TSeat{false, 1}})) {
        state.SkipWithError("no game to play");
        return;
    }
    white.window->findChild<QAction*>(QStringLiteral("StartStop1"))->trigger();
    black.window->findChild<QAction*>(QStringLiteral("StartStop1"))->trigger();
    const auto running = [](TPlayer& p) { return p.Session().Game().State() == net::TGameState::Running; };
    if (!WaitFor([&] { return running(white) && running(black); }, WaitMs)) {
        state.SkipWithError("the game never ran");
        return;
    }
    for (TPlayer* const player : {&white, &black}) {
        player->Board().SetAnimateMoves(true);
    }
    TGlideWatch watch;
    qApp->installEventFilter(&watch);
    std::mt19937 random(7);
    std::vector<double> latencies;
    std::vector<double> answers; // the mover's own answer from the server, for comparison
    for (auto _ : state) {
        const bool whiteMoves = white.Board().WhiteToMove();
        TPlayer& mover = whiteMoves ? white : black;
        TPlayer& other = whiteMoves ? black : white;
        if (!WaitFor([&] { return mover.Board().isEnabled(); }, WaitMs)) {
            state.SkipWithError("the mover's board never took a drag");
            break;
        }
        const auto [from, to] = RandomLegalMove(mover.Board(), random);
        if (from == SqrNone) {
            state.SkipWithError("the game ended");
            break;
        }
        const int before = other.Board().LastMove;
        const QPoint start = SquareCentre(mover.Board(), from);
        const QPoint end = SquareCentre(mover.Board(), to);
        QTest::mousePress(&mover.Board(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&mover.Board(), start + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseMove(&mover.Board(), end);
        QElapsedTimer clock;
        watch.window = other.window.get();
        watch.clock = &clock;
        watch.seen = false;
        qint64 answeredNs = 0;
        const QMetaObject::Connection answered = QObject::connect(
            &mover.Session(), &net::TOnlineSession::MoveAnswered, [&] { answeredNs = clock.nsecsElapsed(); });
        clock.start();
        QTest::mouseRelease(&mover.Board(), Qt::LeftButton, Qt::NoModifier, end);
        if (!WaitFor([&] { return watch.seen; }, WaitMs)) {
            state.SkipWithError("the move never glided in the other window");
            break;
        }
        const double seconds = static_cast<double>(watch.seenNs) / 1e9;
        state.SetIterationTime(seconds);
        latencies.push_back(seconds * 1e3);
        WaitFor([&] { return other.Board().LastMove == before + 1 && answeredNs != 0; }, WaitMs);
        QObject::disconnect(answered);
        answers.push_back(static_cast<double>(answeredNs) / 1e6);
    }
    qApp->removeEventFilter(&watch);
    state.counters["p50_ms"] = Percentile(latencies, 0.50);
    state.counters["p99_ms"] = Percentile(latencies, 0.99);
    state.counters["answer_p50_ms"] = Percentile(answers, 0.50);
}
BENCHMARK(DropToGlide)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A home of its own: the measurement never touches the user's settings or kept games.
    QTemporaryDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, home.path().toLocal8Bit());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
