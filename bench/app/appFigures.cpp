// Figures of the running program, for docs/performance.md:
//
//   app_figures                  11 fresh starts to the first painted board
//                                (median, min, max in ms), then a 200-move game
//                                (resident memory, time per move)
//   app_figures --first-paint    one start, prints its first-paint time stamp
//   app_figures --first-paint-offer  the same with a kept 1000-move game offered
//   app_figures --game N [PNG]   one game of N moves; optionally saves the window
//
// The platform is whatever QT_QPA_PLATFORM says (offscreen, or xcb under Xvfb).
// These switches live here only: the program itself takes no command line.

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "figureRuns.h"
#include "measuredProgram.h"

namespace {

constexpr int StartRuns = 11;
constexpr int GameMoves = 200;
constexpr int KeptGameMoves = 1000;

int Report(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> times = FirstPaintTimes(self, StartRuns);
    if (times.empty()) {
        std::printf("no start reached its first paint\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("platform %s\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "(default)" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("first paint over %zu starts: median %.1f ms, min %.1f ms, max %.1f ms\n", times.size(),
                times[times.size() / 2], times.front(), times.back());
    std::vector<double> offered = FirstPaintTimes(self, StartRuns, QStringLiteral("--first-paint-offer"));
    std::sort(offered.begin(), offered.end());
    if (!offered.empty())
        std::printf("first paint with the offer of a kept %d-move game over %zu starts: median %.1f ms, "
                    "min %.1f ms, max %.1f ms\n",
                    KeptGameMoves, offered.size(), offered[offered.size() / 2], offered.front(),
                    offered.back());
    std::printf("%s", GameFigures(self, GameMoves).toLocal8Bit().constData());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--first-paint-offer") == 0)
        return RunToFirstPaintWithOffer(argc, argv, KeptGameMoves);
    if (argc >= 2 && std::strcmp(argv[1], "--first-paint") == 0)
        return RunToFirstPaint(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--game") == 0)
        return RunGame(argc, argv, std::max(1, std::atoi(argv[2])),
                       argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    return Report(argc, argv);
}
