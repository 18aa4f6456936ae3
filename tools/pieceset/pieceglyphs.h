#pragma once

#include "piecekind.h"

#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <optional>

namespace pieceset {

// The chess glyphs (U+2654..U+265F) of one font file, as outlines in font pixels at
// PieceGlyphs::DesignSize, y pointing down, baseline at 0.
class PieceGlyphs {
public:
    // Font pixel size the outlines are taken at; callers scale them to the cell size.
    static constexpr int DesignSize = 1024;

    // Registers the font file with the application's font database and takes its chess
    // glyphs. Returns nothing and sets *error when the file cannot be loaded or lacks one
    // of the twelve glyphs (no other font is ever substituted). Needs a QGuiApplication.
    static std::optional<PieceGlyphs> load(const QString& fontFile, QString* error);

    // The hollow glyph of the white piece: its ink is the piece's outline and inner lines.
    const QPainterPath& hollow(PieceKind kind) const { return _hollow[columnOf(kind)]; }

    // The solid glyph of the black piece: its ink is the body, its holes the inner lines.
    const QPainterPath& solid(PieceKind kind) const { return _solid[columnOf(kind)]; }

    // Family name the font file registered under.
    const QString& family() const { return _family; }

private:
    PieceGlyphs() = default;

    QString _family;
    std::array<QPainterPath, AllPieceKinds.size()> _hollow;
    std::array<QPainterPath, AllPieceKinds.size()> _solid;
};

} // namespace pieceset
