#pragma once

#include <QColor>

namespace pieceset {

class PieceGlyphs;

// How one family of piece sets looks: which glyphs, which colours, how much room.
struct PieceStyle {
    // Glyph source; must outlive every use of the style.
    const PieceGlyphs* glyphs = nullptr;
    // White pieces: the hollow glyph's ink in whiteInk over a body shaded from top to bottom.
    QColor whiteInk;
    QColor whiteBodyTop;
    QColor whiteBodyBottom;
    // Black pieces: the solid glyph's ink shaded from top to bottom, its holes in blackDetail.
    QColor blackInkTop;
    QColor blackInkBottom;
    QColor blackDetail;
    // Free border on each side of the tallest or widest piece, as a fraction of the cell.
    double margin = 0.06;
    // Widening of a white piece's ink lines, as a fraction of the cell, so hairlines of a glyph
    // still read on a small cell; 0 keeps the glyph as designed.
    double whiteLineBoost = 0.0;
    // Least width of a white piece's outer outline, as a fraction of the cell, so glyphs drawn
    // with a thin outline match the bolder ones of the same set; 0 adds nothing.
    double whiteOutline = 0.0;
    // Widening of a black piece's light inner lines, as a fraction of the cell; 0 adds nothing.
    double blackLineBoost = 0.0;
};

} // namespace pieceset
