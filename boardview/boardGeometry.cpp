#include "boardGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "boardLimits.h"

QPoint TBoardGeometry::ScreenCell(int sq) const
{
    if (!IsBoardSquare(sq))
        return {-1, -1};
    int column = FileOf(sq) - 1;
    int row = BoardSize - RankOf(sq);
    if (whiteOnTop) {
        column = BoardSize - 1 - column;
        row = BoardSize - 1 - row;
    }
    return {column, row};
}

Square TBoardGeometry::SquareAtCell(int column, int row) const
{
    if (column < 0 || column >= BoardSize || row < 0 || row >= BoardSize)
        return SqrNone;
    if (whiteOnTop) {
        column = BoardSize - 1 - column;
        row = BoardSize - 1 - row;
    }
    return static_cast<Square>(row * BoardSize + column + 1);
}

QPoint TBoardGeometry::SquareOrigin(int sq) const
{
    const QPoint cell = ScreenCell(sq);
    if (cell.x() < 0)
        return {-1, -1};
    return {border + cell.x() * square, border + cell.y() * square};
}

QRect TBoardGeometry::SquareRect(int sq) const
{
    const QPoint cell = ScreenCell(sq);
    if (cell.x() < 0)
        return {};
    return CellRect(cell.x(), cell.y());
}

Square TBoardGeometry::WindowToSquare(int x, int y) const
{
    // The bounds test comes first so that a grid of zero-sized squares never divides.
    const int dx = x - border;
    const int dy = y - border;
    if (dx < 0 || dx >= GridSide() || dy < 0 || dy >= GridSide())
        return SqrNone;
    const int column = std::min(dx / square, BoardSize - 1);
    const int row = std::min(dy / square, BoardSize - 1);
    return SquareAtCell(column, row);
}

int FittedSquareSize(int width, int height, int border)
{
    // Wide arithmetic and a floor at zero: a board smaller than its two borders
    // has no squares rather than a wrapped-around size.
    const std::int64_t average = (std::int64_t{std::max(width, 0)} + std::max(height, 0)) / 2;
    const std::int64_t interior = average - 2 * std::int64_t{std::max(border, 0)};
    if (interior <= 0)
        return 0;
    return static_cast<int>(std::min<std::int64_t>(interior / BoardSize, MaxSquareSize));
}

bool InCornerZone(QSize boardSize, QPoint point)
{
    const int w = boardSize.width();
    const int h = boardSize.height();
    return point.x() >= w - CornerZoneSize && point.x() <= w && point.y() >= h - CornerZoneSize &&
           point.y() <= h;
}

int CornerResizeWidth(QPoint point, int minSize, int maxSize)
{
    int width = std::max(point.x(), point.y());
    if (width < minSize)
        width = minSize;
    if (width > maxSize)
        width = maxSize;
    return width;
}

double BoardPixelRatio(double qtRatio)
{
    // NaN and nonsense from a platform fall back to plain pixels.
    if (!(qtRatio > 0.0))
        return 1.0;
    return std::clamp(qtRatio, MinPixelRatio, MaxPixelRatio);
}

TDeviceFit FitToDevicePixels(int logicalSide, int logicalBorder, double ratio)
{
    ratio = BoardPixelRatio(ratio);
    TDeviceFit fit;
    const int side = std::clamp(logicalSide, 0, MaxBoardSide);
    const int border = std::clamp(logicalBorder, 0, MaxBorderSize);
    // A hair below whole numbers (24 * 1.1 and the like) must not lose a pixel.
    constexpr double Slack = 1e-6;
    const int deviceSide = static_cast<int>(std::floor(side * ratio + Slack));
    fit.border = static_cast<int>(std::lround(border * ratio));
    const int interior = deviceSide - 2 * fit.border;
    const int largestSquare = static_cast<int>(std::floor(MaxSquareSize * ratio + Slack));
    fit.square = interior > 0 ? std::min(interior / BoardSize, largestSquare) : 0;
    const int drawn = BoardSize * fit.square + 2 * fit.border;
    // The widget is whole logical pixels; the last of them may hold a
    // fraction more than the squares need, which the border ring takes.
    fit.logicalSide = static_cast<int>(std::ceil(drawn / ratio - Slack));
    fit.canvasSide = static_cast<int>(std::ceil(fit.logicalSide * ratio - Slack));
    return fit;
}
