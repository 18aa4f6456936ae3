// How long the board takes to paint: a full repaint as the main window shows
// it, and the squares one move repaints.
//
//   board_view_bench [--ratio=R] [--benchmark_filter=...]   (runs on the offscreen platform)
//
// --ratio=2 paints as on a 200 % screen: the 816-pixel board is a 1632-pixel canvas.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "../benchApplication.h"
#include "pieceResources.h"
#include "veltanbrd.h"

namespace {

// The drawing hooks a move calls, reachable from here.
class TBenchBoard : public TVeltanBrd {
public:
    using TVeltanBrd::DrawBoardLines;
    using TVeltanBrd::DrawPieceOnSquare;
};

// The main window's board: 816 x 816, squares 48, its colours, the 80-pixel
// set, the classic game, shown.
void SetUpMainWindowBoard(TVeltanBrd& board, CoordSet coordinates)
{
    EnsurePieceResources();
    board.SetLoading(true);
    board.resize(816, 816);
    board.SetBorderColor(0xC0C0C0);
    board.SetSquareColorDark(0xFFFFFF);
    board.SetSquareColorLight(0xF0C287);
    board.SetSquareColorDarkGreen(PlatformRgb(192, 220, 192));
    board.SetSquareColorLightGreen(0xAAFCA1);
    board.SetSquareColorLightYellow(0xD2FAFA);
    board.SetSquareColorDarkYellow(0x03C2C0);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(48);
    board.SetPieceScaleSquare(48);
    board.SetDisplayCoords(coordinates);
    board.SetLoading(false);
    board.SetCustomPieceSet(QImage(PieceSetPath(QStringLiteral("ImageFr80"))));
    board.InitOptions();
    board.NewGame();
    board.SetGameEnded(false);
    board.show();
    QApplication::processEvents();
}

void FullPaint(benchmark::State& state, CoordSet coordinates)
{
    TVeltanBrd board;
    SetUpMainWindowBoard(board, coordinates);
    // A pressed knight: its destinations are looked up on every repaint.
    board.SetPaintBoardLegalSquares(true);
    board.SetLastAbandonedSquare(D02);
    board.Paint();
    for (auto _ : state) {
        board.Paint();
        benchmark::DoNotOptimize(board.Canvas().constBits());
    }
    state.SetLabel(QStringLiteral("canvas %1 px").arg(board.Canvas().width()).toStdString());
}

void BM_FullPaint(benchmark::State& state)
{
    FullPaint(state, CoordSet{});
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond);

// The same board without pieces: what the squares, border and highlight cost alone.
void BM_FullPaintNoPieces(benchmark::State& state)
{
    TVeltanBrd board;
    SetUpMainWindowBoard(board, CoordSet{});
    board.SetStartPosition(std::string(SquareCount, ' '));
    board.NewGame();
    for (auto _ : state) {
        board.Paint();
        benchmark::DoNotOptimize(board.Canvas().constBits());
    }
}
BENCHMARK(BM_FullPaintNoPieces)->Unit(benchmark::kMillisecond);

void BM_FullPaintWithCoordinates(benchmark::State& state)
{
    FullPaint(state, CoordSet::All());
}
BENCHMARK(BM_FullPaintWithCoordinates)->Unit(benchmark::kMillisecond);

// What the game repaints for a plain move (E04 to E06): the square left, the
// square reached, the piece on it, the grid lines.
void BM_MovePartialRepaint(benchmark::State& state)
{
    TBenchBoard board;
    SetUpMainWindowBoard(board, CoordSet{});
    board.SetBoardLines(state.range(0) != 0);
    for (auto _ : state) {
        board.ClearSquare(E04);
        board.ClearSquare(E06);
        board.DrawPieceOnSquare(E06, 'P');
        board.DrawBoardLines();
        benchmark::DoNotOptimize(board.Canvas().constBits());
    }
}
BENCHMARK(BM_MovePartialRepaint)->Arg(0)->Arg(1)->ArgName("lines")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    ApplyPixelRatioOption(argc, argv);
    return RunBenchmarksInApplication(argc, argv);
}
