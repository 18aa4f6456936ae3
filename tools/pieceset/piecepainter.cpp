#include "piecepainter.h"

#include "pieceglyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace pieceset {

namespace {

double signedArea(const QPolygonF& polygon)
{
    double twiceArea = 0.0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        twiceArea += a.x() * b.y() - b.x() * a.y();
    }
    return twiceArea / 2.0;
}

// Fills every contour of the glyph on its own, so the union closes all holes: what is left is
// the piece's silhouette, which becomes both the opaque part of the mask and the body.
QPainterPath silhouetteOf(const QPainterPath& glyph)
{
    QPainterPath solid;
    solid.setFillRule(Qt::WindingFill);
    for (QPolygonF polygon : glyph.toSubpathPolygons()) {
        if (signedArea(polygon) < 0.0) {
            std::reverse(polygon.begin(), polygon.end());
        }
        solid.addPolygon(polygon);
        solid.closeSubpath();
    }
    // Merging leaves only the outer boundary, which is what an outline stroke must follow.
    return solid.simplified();
}

// Both glyphs of a kind share one place in the cell, so white and black pieces line up.
QRectF extentOf(const PieceGlyphs& glyphs, const PieceKind kind)
{
    return glyphs.hollow(kind).boundingRect().united(glyphs.solid(kind).boundingRect());
}

// One scale for the whole set, chosen so the tallest or widest piece just fits inside the margin.
double setScale(const PieceStyle& style, const int cellSize)
{
    double largest = 0.0;
    for (const PieceKind kind : AllPieceKinds) {
        const QRectF extent = extentOf(*style.glyphs, kind);
        largest = std::max({largest, extent.width(), extent.height()});
    }
    const double room = cellSize * (1.0 - 2.0 * style.margin);
    return largest > 0.0 ? room / largest : 1.0;
}

QTransform placement(const PieceStyle& style, const PieceKind kind, const int cellSize)
{
    const double scale = setScale(style, cellSize);
    const QPointF centre = extentOf(*style.glyphs, kind).center();
    QTransform transform;
    transform.translate(cellSize / 2.0, cellSize / 2.0);
    transform.scale(scale, scale);
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

QLinearGradient verticalShade(const QRectF& extent, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(extent.topLeft(), extent.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    return gradient;
}

// Keeps the colour image only where the silhouette covers the cell, with the silhouette's
// anti-aliased coverage as alpha. Colours are painted past the silhouette's edge first, so an
// edge pixel carries the ink colour rather than a blend with some background.
QImage cutOut(QImage colour, const QPainterPath& silhouette)
{
    QImage coverage(colour.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(silhouette, Qt::black);
    }
    QPainter painter(&colour);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, coverage);
    painter.end();
    return colour;
}

} // namespace

QImage paintPiece(const PieceStyle& style, const PieceKind kind, const Side side, const int cellSize)
{
    if (cellSize < 1 || style.glyphs == nullptr) {
        return {};
    }
    const QTransform transform = placement(style, kind, cellSize);
    const bool white = side == Side::White;
    const QPainterPath glyph = white ? style.glyphs->hollow(kind) : style.glyphs->solid(kind);
    const QPainterPath ink = transform.map(glyph);
    const QPainterPath silhouette = transform.map(silhouetteOf(glyph));
    // What the silhouette holds besides ink: the white body, or the black piece's inner lines.
    const QPainterPath rest = silhouette.subtracted(ink);
    const QRectF extent = silhouette.boundingRect();

    QImage colour(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&colour);
    painter.setRenderHint(QPainter::Antialiasing);
    if (white) {
        painter.fillRect(colour.rect(), style.whiteInk);
        painter.fillPath(rest, verticalShade(extent, style.whiteBodyTop, style.whiteBodyBottom));
        if (style.whiteOutline > 0.0) {
            // Only the inner half of this stroke survives the cut-out.
            painter.strokePath(silhouette, QPen(style.whiteInk, 2.0 * style.whiteOutline * cellSize));
        }
        if (style.whiteLineBoost > 0.0) {
            painter.strokePath(ink, QPen(style.whiteInk, style.whiteLineBoost * cellSize));
        }
    } else {
        const QLinearGradient inkShade = verticalShade(extent, style.blackInkTop, style.blackInkBottom);
        painter.fillRect(colour.rect(), inkShade);
        painter.fillPath(rest, style.blackDetail);
        if (style.blackLineBoost > 0.0) {
            painter.strokePath(rest, QPen(style.blackDetail, style.blackLineBoost * cellSize));
        }
    }
    painter.end();
    return cutOut(colour, silhouette);
}

QImage paintMarker(const PieceStyle& style, const Side side, const int cellSize)
{
    if (cellSize < 1) {
        return {};
    }
    const QPointF centre(cellSize / 2.0, cellSize / 2.0);
    const double outer = cellSize / 6.0;
    const double width = std::max(2.0, cellSize / 14.0);
    const double edge = std::max(1.0, cellSize / 48.0);

    const auto ring = [&centre](const double outerRadius, const double innerRadius) {
        QPainterPath path;
        path.addEllipse(centre, outerRadius, outerRadius);
        path.addEllipse(centre, innerRadius, innerRadius);
        return path;
    };
    const QPainterPath silhouette = ring(outer, outer - width);
    const QRectF extent = silhouette.boundingRect();

    QImage colour(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&colour);
    painter.setRenderHint(QPainter::Antialiasing);
    if (side == Side::White) {
        painter.fillRect(colour.rect(), style.whiteInk);
        painter.fillPath(ring(outer - edge, outer - width + edge),
                         verticalShade(extent, style.whiteBodyTop, style.whiteBodyBottom));
    } else {
        painter.fillRect(colour.rect(), verticalShade(extent, style.blackInkTop, style.blackInkBottom));
    }
    painter.end();
    return cutOut(colour, silhouette);
}

} // namespace pieceset
