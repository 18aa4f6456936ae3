// The 256 squares: their bases, the two highlights, the grid lines and the
// repaint of a single square.

#include <QLine>
#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>

#include "lastMoveSquares.h"
#include "veltanbrd.h"

void TVeltanBrd::FillSquareBase(QPainter& painter, const QRect& rect, bool dark) const
{
    if (dark)
        _squareDark.Fill(painter, rect, ColorFromPlatform(_squareColorDark));
    else
        _squareLight.Fill(painter, rect, ColorFromPlatform(_squareColorLight));
}

void TVeltanBrd::PaintSquares()
{
    if (_canvas.isNull() || _geometry.square <= 0)
        return;
    QPainter painter(&_canvas);
    painter.setClipRect(_geometry.GridRect());
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            FillSquareBase(painter, _geometry.CellRect(column, row), IsDarkCell(column, row));
    PaintHighlights(painter);
    if (_boardlines)
        DrawGridLines(painter, _lineStyle.color(), _geometry.GridRect());
    _linesOverdrawn = _boardlines ? QRect() : _geometry.GridRect();
    UpdateArea(_geometry.GridRect());
}

void TVeltanBrd::PaintHighlights(QPainter& painter)
{
    // Highlight colours are named after the base they stand out from: the
    // Light... ones go on dark squares, the Dark... ones on light squares.
    const bool yellow = _PaintBoardCurrentTeamPlayer && PlayersPerTeam() != 1;
    const bool green = _PaintBoardLegalSquares && IsBoardSquare(_LastAbandonedSquare);
    const TSquareMarks lastMove = _showLastMove ? LastMoveSquares(*this) : TSquareMarks{};
    if (!yellow && !green && lastMove.none())
        return;
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const Square sq = _geometry.SquareAtCell(column, row);
            const bool dark = IsDarkCell(column, row);
            const QRect rect = _geometry.CellRect(column, row);
            if (yellow && IsCurrentTeamPlayerPiece(sq, false))
                painter.fillRect(rect,
                                 ColorFromPlatform(dark ? _squareColorLightYellow : _squareColorDarkYellow));
            if (lastMove.test(static_cast<std::size_t>(sq)))
                painter.fillRect(
                    rect, ColorFromPlatform(dark ? _squareColorLightLastMove : _squareColorDarkLastMove));
            if (green && MoveIsLegal(_LastAbandonedSquare, sq))
                painter.fillRect(rect,
                                 ColorFromPlatform(dark ? _squareColorLightGreen : _squareColorDarkGreen));
        }
    }
}

void TVeltanBrd::DrawGridLines(QPainter& painter, const QColor& colour, const QRect& area) const
{
    if (_geometry.square <= 0)
        return;
    QPen pen = DevicePen(_lineStyle);
    pen.setColor(colour);
    const int b = _geometry.border;
    const int last = b + _geometry.GridSide() - 1;
    // A line covers the first device pixels of the squares right of and below it.
    const int centre = std::max(1, static_cast<int>(pen.widthF())) / 2;
    // Only lines that can touch the area are drawn: a single square needs two
    // of the thirty, and a wide pen reaches at most half its width beyond a
    // line. Each is drawn whole, so a dashed pen keeps its rhythm.
    const int reach = static_cast<int>(pen.widthF() / 2) + 1;
    const QRect wanted = area.adjusted(-reach, -reach, reach, reach);
    QVarLengthArray<QLine, 2 * BoardSize> lines;
    for (int i = 1; i < BoardSize; ++i) {
        const int at = b + i * _geometry.square + centre;
        if (at >= wanted.left() && at <= wanted.right())
            lines.append(QLine(at, b, at, last));
        if (at >= wanted.top() && at <= wanted.bottom())
            lines.append(QLine(b, at, last, at));
    }
    painter.setPen(pen);
    painter.drawLines(lines.constData(), static_cast<int>(lines.size()));
}

void TVeltanBrd::DrawBoardLines()
{
    // The game calls this after every move. Lines are redrawn only where
    // something has been painted over them since they were last drawn; the
    // picture is the same as redrawing all thirty, at a fraction of the cost.
    const QRect area = _linesOverdrawn.intersected(_geometry.GridRect());
    if (_canvas.isNull() || !_boardlines || area.isEmpty())
        return;
    QPainter painter(&_canvas);
    painter.setClipRect(area);
    DrawGridLines(painter, _lineStyle.color(), area);
    _linesOverdrawn = QRect();
    UpdateArea(area);
}

void TVeltanBrd::MarkLinesOverdrawn(const QRect& area)
{
    _linesOverdrawn |= area.intersected(_geometry.GridRect());
}

void TVeltanBrd::ClearSquare(Square sq)
{
    if (_canvas.isNull() || !IsBoardSquare(sq) || _geometry.square <= 0)
        return;
    const QRect rect = _geometry.SquareRect(sq);
    QPainter painter(&_canvas);
    painter.setClipRect(rect);
    const QPoint cell = _geometry.ScreenCell(sq);
    FillSquareBase(painter, rect, IsDarkCell(cell.x(), cell.y()));
    // Only the lines through this square show: its left and top edge when
    // those are inner lines. They are black rather than the pen's colour, as
    // the board has always drawn them; with the default black pen the two agree.
    if (_boardlines)
        DrawGridLines(painter, Qt::black, rect);
    MarkLinesOverdrawn(rect);
    UpdateArea(rect);
}
