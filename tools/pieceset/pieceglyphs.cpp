#include "pieceglyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace pieceset {

namespace {

// Unicode orders the kings first; the sheet orders the pawns first.
constexpr char16_t hollowCodePoint(const PieceKind kind)
{
    switch (kind) {
    case PieceKind::King:
        return u'\u2654';
    case PieceKind::Queen:
        return u'\u2655';
    case PieceKind::Rook:
        return u'\u2656';
    case PieceKind::Bishop:
        return u'\u2657';
    case PieceKind::Knight:
        return u'\u2658';
    case PieceKind::Pawn:
        return u'\u2659';
    }
    return u'\u2659';
}

// The solid glyphs follow the hollow ones at a fixed distance.
constexpr char16_t solidCodePoint(const PieceKind kind)
{
    return static_cast<char16_t>(hollowCodePoint(kind) + 6);
}

std::optional<QPainterPath> glyphPath(const QRawFont& font, const char16_t codePoint, QString* error)
{
    const QString text(QChar{codePoint});
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    if (!font.supportsCharacter(QChar{codePoint}) || indexes.size() != 1 || indexes.front() == 0) {
        *error = QStringLiteral("font \"%1\" has no glyph for U+%2")
                     .arg(font.familyName())
                     .arg(static_cast<unsigned>(codePoint), 4, 16, QLatin1Char('0'));
        return std::nullopt;
    }
    QPainterPath path = font.pathForGlyph(indexes.front());
    if (path.isEmpty()) {
        *error = QStringLiteral("glyph U+%1 of \"%2\" is empty")
                     .arg(static_cast<unsigned>(codePoint), 4, 16, QLatin1Char('0'))
                     .arg(font.familyName());
        return std::nullopt;
    }
    return path;
}

} // namespace

std::optional<PieceGlyphs> PieceGlyphs::load(const QString& fontFile, QString* error)
{
    const int id = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families = id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        *error = QStringLiteral("cannot load font file %1").arg(fontFile);
        return std::nullopt;
    }

    QFont font(families.front());
    font.setPixelSize(DesignSize);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    // Without this a missing glyph would silently come from some other installed font.
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName() != families.front()) {
        *error = QStringLiteral("font file %1 did not resolve to its own family").arg(fontFile);
        return std::nullopt;
    }

    PieceGlyphs glyphs;
    glyphs._family = families.front();
    for (const PieceKind kind : AllPieceKinds) {
        auto hollow = glyphPath(raw, hollowCodePoint(kind), error);
        auto solid = glyphPath(raw, solidCodePoint(kind), error);
        if (!hollow || !solid) {
            return std::nullopt;
        }
        glyphs._hollow[columnOf(kind)] = *hollow;
        glyphs._solid[columnOf(kind)] = *solid;
    }
    return glyphs;
}

} // namespace pieceset
