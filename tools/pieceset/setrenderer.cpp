#include "setrenderer.h"

#include "piecepainter.h"
#include "piecesheet.h"

namespace pieceset {

namespace {

SideCells paintSide(const PieceStyle& style, const Side side, const int cellSize)
{
    SideCells cells;
    for (const PieceKind kind : AllPieceKinds) {
        cells[columnOf(kind)] = paintPiece(style, kind, side, cellSize);
    }
    cells[MarkerColumn] = paintMarker(style, side, cellSize);
    return cells;
}

} // namespace

QImage renderSheet(const PieceStyle& style, const int cellSize, const bool flipBlack)
{
    if (cellSize < 1 || style.glyphs == nullptr) {
        return {};
    }
    return composeSheet(paintSide(style, Side::White, cellSize), paintSide(style, Side::Black, cellSize),
                        flipBlack);
}

} // namespace pieceset
