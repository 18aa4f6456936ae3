#include "setrenderer.h"

#include <QPainter>
#include <algorithm>

#include "piecepainter.h"
#include "piecesheet.h"

namespace pieceset {

namespace {

// The board centres a cell on its square and the main window's squares are
// 48 pixels: the large sets keep their pieces at that size in the middle of
// the cell, so no piece spills over its neighbours.
constexpr int LargestPieceSize = 48;

QImage CentredInCell(const QImage& piece, const int cellSize)
{
    if (piece.isNull() || piece.width() == cellSize)
        return piece;
    QImage cell(cellSize, cellSize, piece.format());
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.drawImage((cellSize - piece.width()) / 2, (cellSize - piece.height()) / 2, piece);
    return cell;
}

SideCells paintSide(const PieceStyle& style, const Side side, const int cellSize, const int scale)
{
    // Drawn for a sharper screen, the piece keeps its place in the cell: both grow alike.
    const int pieceSize = std::min(cellSize, LargestPieceSize) * scale;
    const int cell = cellSize * scale;
    SideCells cells;
    for (const PieceKind kind : AllPieceKinds) {
        cells[columnOf(kind)] = CentredInCell(paintPiece(style, kind, side, pieceSize), cell);
    }
    cells[MarkerColumn] = CentredInCell(paintMarker(style, side, pieceSize), cell);
    return cells;
}

} // namespace

QImage renderSheet(const PieceStyle& style, const int cellSize, const bool flipBlack, const int scale)
{
    if (cellSize < 1 || scale < 1 || style.glyphs == nullptr) {
        return {};
    }
    return composeSheet(paintSide(style, Side::White, cellSize, scale),
                        paintSide(style, Side::Black, cellSize, scale), flipBlack);
}

} // namespace pieceset
