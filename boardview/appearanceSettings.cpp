// Setters of the stored appearance settings. Each keeps its own copy of what it
// is handed, clamped to the board's limits, and repaints where the setting shows.

#include <algorithm>

#include "boardLimits.h"
#include "veltanbrd.h"

void TVeltanBrd::SetBoardLines(bool value)
{
    _boardlines = value;
    Paint();
}

void TVeltanBrd::SetBorderBitmap(const QImage& value)
{
    _borderBitmap = TBoardTexture(value);
    Paint();
}

void TVeltanBrd::SetBorderColor(TColor value)
{
    _bordercolor = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetCoordFont(const QFont& value)
{
    _coordFont = value;
    Paint();
}

void TVeltanBrd::SetCoordFontColor(TColor value)
{
    _coordFontColor = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetDisplayCoords(CoordSet value)
{
    _displayCoords = value;
    Paint();
}

void TVeltanBrd::SetLineStyle(const QPen& value)
{
    _lineStyle = value;
    // A pen as wide as the board would bury it; a negative or absurd width is clamped.
    const qreal width = _lineStyle.widthF();
    if (!(width >= 0.0))
        _lineStyle.setWidth(1);
    else if (width > MaxLineWidth)
        _lineStyle.setWidth(MaxLineWidth);
    Paint();
}

void TVeltanBrd::SetResizeMinSize(int value)
{
    _ResizeMinSize = std::min(std::clamp(value, 0, MaxBoardSide), _ResizeMaxSize);
}

void TVeltanBrd::SetResizeMaxSize(int value)
{
    _ResizeMaxSize = std::max(std::clamp(value, 0, MaxBoardSide), _ResizeMinSize);
}

void TVeltanBrd::SetSizeOfBorder(int value)
{
    _sizeOfBorder = std::clamp(value, 0, MaxBorderSize);
    SetDeviceGeometryFromSizes();
    resize(BoardSize * _sizeOfSquare + 2 * _sizeOfBorder, height());
}

void TVeltanBrd::SetSizeOfSquare(int value)
{
    _sizeOfSquare = std::clamp(value, 0, MaxSquareSize);
    SetDeviceGeometryFromSizes();
    _piecesStale = true;
    resize(BoardSize * _sizeOfSquare + 2 * _sizeOfBorder, height());
}

void TVeltanBrd::SetPieceScaleSquare(int value)
{
    _pieceScaleSquare = std::clamp(value, 0, MaxSquareSize);
    _piecesStale = true;
}

void TVeltanBrd::SetSquareColorDark(TColor value)
{
    _squareColorDark = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetSquareColorLight(TColor value)
{
    _squareColorLight = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetSquareColorDarkGreen(TColor value)
{
    _squareColorDarkGreen = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetSquareColorLightGreen(TColor value)
{
    _squareColorLightGreen = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetSquareColorLightYellow(TColor value)
{
    _squareColorLightYellow = value & ColorValueMask;
    Paint();
}

void TVeltanBrd::SetSquareDark(const QImage& value)
{
    _squareDark = TBoardTexture(value);
    Paint();
}

void TVeltanBrd::SetSquareLight(const QImage& value)
{
    _squareLight = TBoardTexture(value);
    Paint();
}

void TVeltanBrd::SetSquareDarkGreen(const QImage& value)
{
    _squareDarkGreen = value;
    Paint();
}

void TVeltanBrd::SetSquareLightGreen(const QImage& value)
{
    _squareLightGreen = value;
    Paint();
}

void TVeltanBrd::SetWhiteOnTop(bool value)
{
    _geometry.whiteOnTop = value;
    Paint();
}
