#pragma once

#include "piecekind.h"
#include "piecestyle.h"

#include <QImage>

namespace pieceset {

// Paints one piece of the given style into a new cellSize x cellSize premultiplied-ARGB
// image, centred, fully transparent outside the piece. All pieces of a style share one scale,
// so a pawn stays smaller than a king. Returns a null image when cellSize < 1 or the style
// has no glyphs.
QImage paintPiece(const PieceStyle& style, PieceKind kind, Side side, int cellSize);

// Paints the en-passant marker of the given side: a small ring, about a third of the cell,
// light for White and dark for Black, each with a thin contrasting edge. Returns a null
// image when cellSize < 1.
QImage paintMarker(const PieceStyle& style, Side side, int cellSize);

} // namespace pieceset
