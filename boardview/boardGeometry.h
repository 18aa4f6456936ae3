#pragma once
// Where the 256 squares lie in the board's pixels and back again. Pure
// arithmetic, shared by painting, piece drawing, mouse input and animation so
// they can never disagree about a square's place.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "square.h"

/// The board's layout: border width, square edge and orientation.
struct TBoardGeometry {
    int border = 24;
    int square = 40;
    /// false: A16 top left, P01 bottom right; true: turned by 180 degrees.
    bool whiteOnTop = false;

    /// Edge of the 16 x 16 grid in pixels.
    int GridSide() const { return BoardSize * square; }
    /// Edge of the whole board, border included.
    int BoardSide() const { return GridSide() + 2 * border; }
    /// The grid rectangle [border, border + 16 * square) in both directions.
    QRect GridRect() const { return {border, border, GridSide(), GridSide()}; }
    /// Screen column (x) and row (y), 0..15 from the top left, of a board
    /// square; (-1, -1) for anything that is no square.
    QPoint ScreenCell(int sq) const;
    /// The square shown at screen column and row, SqrNone outside 0..15.
    Square SquareAtCell(int column, int row) const;
    /// Top-left pixel of a square; (-1, -1) for anything that is no square.
    QPoint SquareOrigin(int sq) const;
    /// The pixels of a square; an empty rectangle for anything that is no square.
    QRect SquareRect(int sq) const;
    /// The pixels of the square at a screen column and row.
    QRect CellRect(int column, int row) const
    {
        return {border + column * square, border + row * square, square, square};
    }
    /// The square under a board pixel, or SqrNone (border, outside, or no squares at all).
    Square WindowToSquare(int x, int y) const;
};

/// Dark squares sit where screen column plus row is even (A16 and P01 in both orientations).
constexpr bool IsDarkCell(int column, int row)
{
    return (column + row) % 2 == 0;
}

/// The square edge that fits a board of the given size: the average of width
/// and height, less both borders, divided among 16 squares and rounded down;
/// 0 when the borders alone do not fit, at most MaxSquareSize.
int FittedSquareSize(int width, int height, int border);

/// A board laid on device pixels: border and square edge in whole device
/// pixels, so every square is equal and its edges fall on pixel boundaries.
struct TDeviceFit {
    /// Border ring width in device pixels.
    int border = 0;
    /// Square edge in device pixels.
    int square = 0;
    /// Edge of the canvas in device pixels: the logical side at the ratio, rounded up.
    int canvasSide = 0;
    /// Edge of the widget in logical pixels: no more than it was handed,
    /// unless the border alone is wider.
    int logicalSide = 0;
};

/// The largest board of whole device-pixel squares that fits a square of
/// `logicalSide` logical pixels at `ratio` device pixels per logical pixel:
/// the border is `logicalBorder` at that ratio, rounded; the squares share
/// what is left and are rounded down; the widget shrinks to the first
/// logical size that holds them. At ratio 1 the border and squares are
/// those of FittedSquareSize. The square is at most MaxSquareSize at the ratio.
TDeviceFit FitToDevicePixels(int logicalSide, int logicalBorder, double ratio);

/// The ratio a board draws at: Qt's ratio kept within MinPixelRatio..MaxPixelRatio.
double BoardPixelRatio(double qtRatio);

/// True when (x, y) lies in the bottom-right zone of a board of this size that
/// starts a corner resize (its last 11 x 11 pixels, the edge included).
bool InCornerZone(QSize boardSize, QPoint point);

/// The width a corner resize sets for the pointer at point: the larger of its
/// coordinates, raised to minSize, then lowered to maxSize.
int CornerResizeWidth(QPoint point, int minSize, int maxSize);
