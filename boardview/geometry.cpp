// Fitting the board to whole device-pixel squares, and the square <-> pixel
// mapping in logical pixels, which goes through the canvas's device geometry.

#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "boardLimits.h"
#include "veltanbrd.h"

std::optional<QPoint> TVeltanBrd::SquareToCoords(Square sq) const
{
    if (!IsBoardSquare(sq))
        return std::nullopt;
    // The first logical pixel whose centre falls inside the square, so that
    // WindowToSquare of this point names the square again at any ratio.
    const QPoint device = _geometry.SquareOrigin(sq);
    const auto logical = [this](int d) { return static_cast<int>(std::ceil(d / _pixelRatio - 0.5)); };
    return QPoint(logical(device.x()), logical(device.y()));
}

Square TVeltanBrd::WindowToSquare(int x, int y) const
{
    // A logical pixel belongs to the square its centre falls in.
    const auto device = [this](int l) { return static_cast<int>(std::floor((l + 0.5) * _pixelRatio)); };
    return _geometry.WindowToSquare(device(x), device(y));
}

void TVeltanBrd::SetDeviceGeometryFromSizes()
{
    _geometry.border = static_cast<int>(std::lround(_sizeOfBorder * _pixelRatio));
    _geometry.square = static_cast<int>(std::lround(_sizeOfSquare * _pixelRatio));
}

void TVeltanBrd::FitToSquares()
{
    // The average of width and height decides, so dragging either edge resizes
    // the whole board and it always ends square; the squares are whole device
    // pixels, so the board may end a fraction smaller than asked.
    _pixelRatio = BoardPixelRatio(devicePixelRatioF());
    const std::int64_t average = (std::int64_t{std::max(width(), 0)} + std::max(height(), 0)) / 2;
    const TDeviceFit fit = FitToDevicePixels(static_cast<int>(std::min<std::int64_t>(average, MaxBoardSide)),
                                             _sizeOfBorder, _pixelRatio);
    _geometry.border = fit.border;
    _geometry.square = fit.square;
    _sizeOfSquare = static_cast<int>(std::lround(fit.square / _pixelRatio));
    _piecesStale = true;
    resize(fit.logicalSide, fit.logicalSide);
}

int TVeltanBrd::DevicePieceSize() const
{
    // Pieces keep their proportion to the squares they were drawn for; at
    // that square and ratio 1 they are the set's own cells, unscaled.
    if (_pieceScaleSquare <= 0)
        return static_cast<int>(std::lround(PieceSize() * _pixelRatio));
    return static_cast<int>(
        std::lround(static_cast<double>(PieceSize()) * _geometry.square / _pieceScaleSquare));
}
