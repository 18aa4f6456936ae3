// The border ring: its colour or texture, the coordinates and the two frame outlines.

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

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
    const int b = _geometry.border;
    QPainter painter(&_canvas);
    QRegion ring(0, 0, w, h);
    ring -= QRegion(b, b, w - 2 * b, h - 2 * b);
    painter.setClipRegion(ring);
    _borderBitmap.Fill(painter, QRect(0, 0, w, h), ColorFromPlatform(_bordercolor));
    PaintCoordinates(painter);
    PaintOutlines(painter);
    UpdateArea(QRect(0, 0, w, h));
}

void TVeltanBrd::PaintCoordinates(QPainter& painter) const
{
    const int b = _geometry.border;
    const int s = _geometry.square;
    // A border or square narrower than the 7-point text has no room for it.
    if (_displayCoords.Empty() || b < CoordFontPoints || s < CoordFontPoints)
        return;
    const int w = _canvas.width();
    const int h = _canvas.height();
    const QFont font = CoordinateFont(_coordFont);
    const QFontMetrics metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);

    // Offsets that roughly centre a 7-point character in the border and in a square.
    const int marginBorder = (b - CoordFontPoints) / 2 - 1;
    const int marginSquare = (s - CoordFontPoints) / 2 - 1;
    const int quarterLine = metrics.height() / 4;
    const int ascent = metrics.ascent();
    const char* const letters = WhiteOnTop() ? "PONMLKJIHGFEDCBA" : "ABCDEFGHIJKLMNOP";

    // (x, y) is where the top-left corner of the text goes.
    const auto draw = [&](int x, int y, const QString& text) { painter.drawText(x, y + ascent, text); };
    for (int i = 0; i < BoardSize; ++i) {
        const int rank = WhiteOnTop() ? i + 1 : BoardSize - i;
        const QString number = QString::asprintf("%2d", rank);
        const QString letter(QLatin1Char(letters[i]));
        const int rowY = b + i * s + marginSquare - 4;
        const int columnX = b + i * s + marginSquare;
        if (_displayCoords.Contains(West))
            draw(marginBorder - 6, rowY, number);
        if (_displayCoords.Contains(East))
            draw(w - b + marginBorder - 6, rowY, number);
        if (_displayCoords.Contains(North))
            draw(columnX, marginBorder - quarterLine, letter);
        if (_displayCoords.Contains(South))
            draw(columnX, h - b + marginBorder - quarterLine, letter);
    }
}

void TVeltanBrd::PaintOutlines(QPainter& painter) const
{
    const int w = _canvas.width();
    const int h = _canvas.height();
    const int b = _geometry.border;
    painter.setPen(_lineStyle);
    painter.setBrush(Qt::NoBrush);
    const QPolygon outer(
        {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1), QPoint(0, 0)});
    const QPolygon inner({QPoint(b - 1, b - 1), QPoint(w - b, b - 1), QPoint(w - b, h - b),
                          QPoint(b - 1, h - b), QPoint(b - 1, b - 1)});
    painter.drawPolyline(outer);
    painter.drawPolyline(inner);
}
