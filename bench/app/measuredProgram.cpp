#include "measuredProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "gameEndedNotice.h"
#include "gameFileWriter.h"
#include "keptGameFixture.h"
#include "unfinishedGame.h"
#include "userDialogs.h"
#include "veltanbrd.h"

namespace {

// A long game must not stop for the boxes that end a game.
class TSilentDialogs final : public TUserDialogs {
public:
    void ShowMessage(QWidget*, const QString&, const QString&, QMessageBox::Icon) override {}
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// Notes the first paint of the board that shows a drawn canvas.
class TFirstPaintProbe final : public QObject {
public:
    explicit TFirstPaintProbe(TVeltanBrd& board) : _board(board) { board.installEventFilter(this); }
    bool painted() const { return _paintedAt != 0; }
    long long paintedAt() const { return _paintedAt; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &_board && event->type() == QEvent::Paint && !_board.Canvas().isNull() &&
            _paintedAt == 0)
            _paintedAt = MonotonicNanoseconds();
        return false;
    }

private:
    TVeltanBrd& _board;
    long long _paintedAt = 0;
};

long long StatusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').front().toLongLong();
    return -1;
}

void PrepareApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltan"));
    QApplication::setApplicationDisplayName(ApplicationTitle());
    QGuiApplication::setDesktopFileName(QStringLiteral("veltan"));
    GameEndedMessage();
}

void WaitForFirstPaint(const TFirstPaintProbe& probe)
{
    QElapsedTimer waited;
    waited.start();
    while (!probe.painted() && waited.elapsed() < 10'000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void SendMouse(TVeltanBrd& board, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, board.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&board, &event);
}

// The road of a player's move: press, drag past the drag distance, drop.
void DragMove(TVeltanBrd& board, Square from, Square to)
{
    const int half = board.SizeOfSquare() / 2;
    const QPoint start = *board.SquareToCoords(from) + QPoint(half, half);
    const QPoint end = *board.SquareToCoords(to) + QPoint(half, half);
    const int beyond = QApplication::startDragDistance() + 1;
    SendMouse(board, QEvent::MouseButtonPress, start, Qt::LeftButton);
    SendMouse(board, QEvent::MouseMove, start + QPoint(beyond, beyond), Qt::LeftButton);
    SendMouse(board, QEvent::MouseMove, end, Qt::LeftButton);
    SendMouse(board, QEvent::MouseButtonRelease, end, Qt::NoButton);
}

// Every move the rules allow now, except taking a king: the game should go on.
std::vector<std::pair<Square, Square>> QuietMoves(const TVeltanBrd& board)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int from = 1; from <= SquareCount; ++from) {
        if (board.PieceOn(static_cast<Square>(from)) == ' ')
            continue;
        for (int to = 1; to <= SquareCount; ++to) {
            const char target = board.PieceOn(static_cast<Square>(to));
            if (target != 'K' && target != 'k' &&
                board.MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                moves.emplace_back(static_cast<Square>(from), static_cast<Square>(to));
        }
    }
    return moves;
}

} // namespace

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

int RunToFirstPaint(int argc, char** argv)
{
    QApplication application(argc, argv);
    PrepareApplication();
    TFrmVeltanBrd window;
    const TFirstPaintProbe probe(window.Board());
    window.show();
    WaitForFirstPaint(probe);
    if (!probe.painted())
        return 1;
    std::printf("first-paint-ns %lld\nrss-kb %lld\n", probe.paintedAt(), StatusKilobytes("VmRSS"));
    return 0;
}

int RunToFirstPaintWithOffer(int argc, char** argv, int moves)
{
    QApplication application(argc, argv);
    PrepareApplication();
    {
        TUnfinishedGameFile kept(TUnfinishedGameFile::DefaultFolder());
        if (!kept.Claim())
            return 1;
        kept.Save(GameFileContentOf(*LongGame(moves)), {});
    }
    TFrmVeltanBrd window;
    const TFirstPaintProbe probe(window.Board());
    // The offer waits for an answer; once the board is painted behind it, it gets one.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&probe] {
        if (QWidget* const box = QApplication::activeModalWidget(); box != nullptr && probe.painted())
            box->close();
    });
    answer.start(5);
    window.show();
    WaitForFirstPaint(probe);
    if (!probe.painted())
        return 1;
    std::printf("first-paint-ns %lld\n", probe.paintedAt());
    return 0;
}

int RunGame(int argc, char** argv, int moves, const QString& picture)
{
    QApplication application(argc, argv);
    PrepareApplication();
    TSilentDialogs silent;
    const TScopedUserDialogs scoped(silent);
    TFrmVeltanBrd window;
    const TFirstPaintProbe probe(window.Board());
    window.show();
    WaitForFirstPaint(probe);
    const long long rssAtStart = StatusKilobytes("VmRSS");

    TVeltanBrd& board = window.Board();
    std::mt19937 random(20260101u);
    window.StartStop();
    int games = 1;
    QElapsedTimer clock;
    clock.start();
    // A drag the board does not take as a move is tried again with another
    // choice, but a board that takes none at all must not hold the run forever.
    int refused = 0;
    for (int made = 0; made < moves && refused < 1000;) {
        const auto choices = QuietMoves(board);
        if (board.GameEnded() || choices.empty()) {
            window.InitialGameSetup();
            window.StartStop();
            ++games;
            continue;
        }
        const auto& [from, to] = choices[random() % choices.size()];
        const int before = board.LastMove;
        DragMove(board, from, to);
        QCoreApplication::processEvents();
        if (board.LastMove != before)
            ++made;
        else
            ++refused;
    }
    const double millisecondsPerMove = static_cast<double>(clock.nsecsElapsed()) / 1e6 / moves;
    QCoreApplication::processEvents();
    if (!picture.isEmpty())
        window.grab().save(picture);
    std::printf("moves %d\ngames %d\nrss-kb-at-first-paint %lld\nrss-kb-after-game %lld\npeak-rss-kb %lld\n"
                "ms-per-move %.2f\n",
                moves, games, rssAtStart, StatusKilobytes("VmRSS"), StatusKilobytes("VmHWM"),
                millisecondsPerMove);
    return 0;
}
