#include "styles.h"

namespace pieceset {

QString fontFileOf(const StyleName name)
{
    switch (name) {
    case StyleName::Fr:
        return QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    case StyleName::Cm:
    case StyleName::Korlan:
        return QStringLiteral("/usr/share/fonts/truetype/freefont/FreeSerif.ttf");
    }
    return {};
}

PieceStyle makeStyle(const StyleName name, const PieceGlyphs& glyphs)
{
    PieceStyle style;
    style.glyphs = &glyphs;
    switch (name) {
    case StyleName::Fr:
        style.whiteInk = QColor(28, 30, 34);
        style.whiteBodyTop = QColor(255, 255, 255);
        style.whiteBodyBottom = QColor(222, 226, 232);
        style.blackInkTop = QColor(64, 68, 76);
        style.blackInkBottom = QColor(16, 17, 20);
        style.blackDetail = QColor(236, 238, 242);
        style.margin = 0.07;
        style.whiteLineBoost = 0.01;
        style.whiteOutline = 0.045;
        break;
    case StyleName::Cm:
        style.whiteInk = QColor(36, 28, 22);
        style.whiteBodyTop = QColor(255, 252, 240);
        style.whiteBodyBottom = QColor(232, 220, 196);
        style.blackInkTop = QColor(72, 60, 52);
        style.blackInkBottom = QColor(20, 16, 14);
        style.blackDetail = QColor(240, 228, 204);
        style.margin = 0.06;
        style.blackLineBoost = 0.008;
        break;
    case StyleName::Korlan:
        // Neutral colours and a little more ink than Cm, so the built-in set is told apart from
        // every host set at a glance.
        style.whiteInk = QColor(20, 20, 20);
        style.whiteBodyTop = QColor(255, 255, 255);
        style.whiteBodyBottom = QColor(236, 236, 236);
        style.blackInkTop = QColor(58, 58, 58);
        style.blackInkBottom = QColor(8, 8, 8);
        style.blackDetail = QColor(250, 250, 250);
        style.margin = 0.07;
        style.whiteLineBoost = 0.006;
        style.whiteOutline = 0.04;
        style.blackLineBoost = 0.01;
        break;
    }
    return style;
}

} // namespace pieceset
