// How long one frame of a live resize of the main window takes: the window
// changes size, lays its parts out again, the board is fitted and repainted
// and the window is drawn.
//
//   window_resize_bench [--ratio=R] [--benchmark_filter=...]   (offscreen platform)

#include <QApplication>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

#include "../benchApplication.h"
#include "VeltanGUI.h"
#include "veltanbrd.h"

namespace {

// A frame of the drag: a few pixels wider or narrower and taller or shorter
// each time, through the sizes a user passes while dragging the corner.
void BM_LiveResizeFrame(benchmark::State& state)
{
    TFrmVeltanBrd window;
    window.show();
    QApplication::processEvents();
    const QSize start = window.size();
    int step = 0;
    for (auto _ : state) {
        const int delta = 3 * (step % 40) - 60;
        window.resize(start + QSize(delta, delta));
        QApplication::processEvents();
        // The frame drawn into the window's backing store, as the screen gets it.
        window.repaint();
        ++step;
    }
    state.SetLabel(QStringLiteral("ratio %1, board canvas %2 px")
                       .arg(window.Board().PixelRatio())
                       .arg(window.Board().Canvas().width())
                       .toStdString());
}
BENCHMARK(BM_LiveResizeFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ApplyPixelRatioOption(argc, argv);
    // A 3840 x 2160 screen holds the designed window at every ratio up to 2.
    QTemporaryFile screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
        screens.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 3840, "height": 2160}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    return RunBenchmarksInApplication(argc, argv);
}
