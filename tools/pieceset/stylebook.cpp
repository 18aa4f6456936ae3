#include "stylebook.h"

namespace pieceset {

std::optional<StyleBook> StyleBook::load(QString* error)
{
    StyleBook book;
    for (const StyleName name : {StyleName::Fr, StyleName::Cm, StyleName::Korlan}) {
        // Styles that share a font share its glyphs, so each file is registered once.
        const QString file = fontFileOf(name);
        if (book._glyphsByFile.contains(file)) {
            continue;
        }
        auto glyphs = PieceGlyphs::load(file, error);
        if (!glyphs) {
            return std::nullopt;
        }
        book._glyphsByFile.emplace(file, std::move(*glyphs));
    }
    return book;
}

PieceStyle StyleBook::style(const StyleName name) const
{
    return makeStyle(name, _glyphsByFile.at(fontFileOf(name)));
}

} // namespace pieceset
