// Fitting the board to whole squares, and the square <-> pixel mapping.

#include "veltanbrd.h"

std::optional<QPoint> TVeltanBrd::SquareToCoords(Square sq) const
{
    if (!IsBoardSquare(sq))
        return std::nullopt;
    return _geometry.SquareOrigin(sq);
}

void TVeltanBrd::FitToSquares()
{
    // The average of width and height decides, so dragging either edge resizes
    // the whole board and it always ends square.
    _geometry.square = FittedSquareSize(width(), height(), _geometry.border);
    const int side = _geometry.BoardSide();
    resize(side, side);
}
