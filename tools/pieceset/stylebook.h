#pragma once

#include "pieceglyphs.h"
#include "piecestyle.h"
#include "styles.h"

#include <QString>

#include <map>
#include <optional>

namespace pieceset {

// Every style the generator knows, with the glyphs of their fonts loaded once.
class StyleBook {
public:
    // Loads the font file of every style. Returns nothing and sets *error when one cannot be
    // loaded or lacks a chess glyph. Needs a QGuiApplication.
    static std::optional<StyleBook> load(QString* error);

    // The named style; its glyphs belong to this book and live as long as it does.
    PieceStyle style(StyleName name) const;

private:
    StyleBook() = default;

    std::map<QString, PieceGlyphs> _glyphsByFile;
};

} // namespace pieceset
