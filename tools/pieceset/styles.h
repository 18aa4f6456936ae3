#pragma once

#include "piecestyle.h"

#include <QString>

namespace pieceset {

class PieceGlyphs;

// The looks the generator knows, each drawn from one font's chess glyphs.
enum class StyleName {
    Fr,     // DejaVu Sans: plain sans-serif shapes, cool greys
    Cm,     // GNU FreeSerif: classic Staunton-like shapes, warm ivory and ebony
    Korlan, // GNU FreeSerif shapes in plain white and charcoal: the board's built-in set
};

// Debian's path of the font file a style takes its glyphs from.
QString fontFileOf(StyleName name);

// The colours and spacing of a style, drawing its glyphs from the given font.
PieceStyle makeStyle(StyleName name, const PieceGlyphs& glyphs);

} // namespace pieceset
