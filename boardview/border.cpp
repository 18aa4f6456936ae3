// The border ring: its colour or texture, the coordinates and the two frame outlines.

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "boardLimits.h"
#include "veltanbrd.h"

namespace {

// The coordinates always use this face, whatever font the host stored, so
// the letters and numbers line up in columns.
QFont CoordinateFont(const QFont& stored)
{
    QFont font = stored;
    font.setFamily(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(CoordFontPoints);
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace

void TVeltanBrd::PaintBorder()
{
    if (_canvas.isNull())
        return;
    // The canvas holds the board as last fitted; a resize not yet repainted
    // must not shift the ring inside it.
    const int w = _canvas.width();
    const int h = _canvas.height();
    const QRect grid = _geometry.GridRect();
    QPainter painter(&_canvas);
    // The ring is everything around the grid, the odd device pixel the last
    // logical pixel holds beyond the squares included. Four plain rectangles
    // fill much faster than one clip region.
    const QColor colour = ColorFromPlatform(_bordercolor);
    for (const QRect& strip :
         {QRect(0, 0, w, grid.top()), QRect(0, grid.bottom() + 1, w, h - grid.bottom() - 1),
          QRect(0, grid.top(), grid.left(), grid.height()),
          QRect(grid.right() + 1, grid.top(), w - grid.right() - 1, grid.height())})
        if (!strip.isEmpty())
            _borderBitmap.Fill(painter, strip, colour);
    QRegion ring(0, 0, w, h);
    ring -= QRegion(grid);
    painter.setClipRegion(ring);
    PaintCoordinates(painter);
    PaintOutlines(painter);
    UpdateArea(QRect(0, 0, w, h));
}

void TVeltanBrd::PaintCoordinates(QPainter& painter) const
{
    // Laid out in logical pixels and set in a font as many times larger as
    // the ratio, so the text is drawn for the screen's own pixels rather
    // than enlarged.
    const double ratio = _pixelRatio;
    const int b = _sizeOfBorder;
    const double s = _geometry.square / ratio;
    // A border or square narrower than the 7-point text has no room for it.
    if (_displayCoords.Empty() || b < CoordFontPoints || s < CoordFontPoints)
        return;
    const double grid = _geometry.border / ratio;
    const double gridEnd = (_geometry.border + _geometry.GridSide()) / ratio;
    const QFont font = CoordinateFont(_coordFont);
    const QFontMetrics metrics(font, painter.device());
    QFont deviceFont = font;
    deviceFont.setPointSizeF(CoordFontPoints * ratio);
    painter.save();
    painter.setFont(deviceFont);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);

    // Offsets that roughly centre a 7-point character in the border and in a square.
    const int marginBorder = (b - CoordFontPoints) / 2 - 1;
    const int marginSquare = (static_cast<int>(s) - CoordFontPoints) / 2 - 1;
    const int quarterLine = metrics.height() / 4;
    const int ascent = metrics.ascent();
    const char* const letters = WhiteOnTop() ? "PONMLKJIHGFEDCBA" : "ABCDEFGHIJKLMNOP";

    // (x, y) is where the top-left corner of the text goes.
    const auto draw = [&](double x, double y, const QString& text) {
        painter.drawText(QPointF(x * ratio, (y + ascent) * ratio), text);
    };
    for (int i = 0; i < BoardSize; ++i) {
        const int rank = WhiteOnTop() ? i + 1 : BoardSize - i;
        const QString number = QString::asprintf("%2d", rank);
        const QString letter(QLatin1Char(letters[i]));
        const double rowY = grid + i * s + marginSquare - 4;
        const double columnX = grid + i * s + marginSquare;
        if (_displayCoords.Contains(West))
            draw(marginBorder - 6, rowY, number);
        if (_displayCoords.Contains(East))
            draw(gridEnd + marginBorder - 6, rowY, number);
        if (_displayCoords.Contains(North))
            draw(columnX, marginBorder - quarterLine, letter);
        if (_displayCoords.Contains(South))
            draw(columnX, gridEnd + marginBorder - quarterLine, letter);
    }
    painter.restore();
}

void TVeltanBrd::PaintOutlines(QPainter& painter) const
{
    const QPen pen = DevicePen(_lineStyle);
    // A line as wide as the pen lies on whole device pixels: the outer
    // outline on the canvas's last ones, the inner just outside the grid.
    const int t = std::max(1, static_cast<int>(pen.widthF()));
    const int grid = _geometry.GridSide();
    const QRect outer(0, 0, _canvas.width(), _canvas.height());
    const QRect inner(_geometry.border - t, _geometry.border - t, grid + 2 * t, grid + 2 * t);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QRect& ring : {outer, inner}) {
        const int left = ring.left() + t / 2;
        const int top = ring.top() + t / 2;
        const int right = ring.right() - (t - 1) / 2;
        const int bottom = ring.bottom() - (t - 1) / 2;
        painter.drawPolyline(QPolygon({QPoint(left, top), QPoint(right, top), QPoint(right, bottom),
                                       QPoint(left, bottom), QPoint(left, top)}));
    }
}

QPen TVeltanBrd::DevicePen(const QPen& pen) const
{
    // A pen of logical width, in device pixels; a hairline is one logical pixel.
    QPen device = pen;
    const double width = pen.widthF() > 0.0 ? pen.widthF() : 1.0;
    device.setWidth(std::max(1, static_cast<int>(std::lround(width * _pixelRatio))));
    device.setCosmetic(false);
    return device;
}
