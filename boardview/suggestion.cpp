// A move suggested to a human player: a frame on its from- and to-square,
// drawn over the canvas so that it never changes the board's own picture and
// goes away by itself with the next move.

#include <QPainter>
#include <algorithm>

#include "veltanbrd.h"

namespace {

// Orange stands apart from the board's blue, white, green and yellow.
const QColor SuggestionColour(255, 140, 0);
constexpr int FrameWidth = 3;

} // namespace

void TVeltanBrd::SuggestionChanged()
{
    // Called on the board's thread; the frames are drawn at the next paint.
    update();
}

void TVeltanBrd::PaintSuggestion(QPainter& painter) const
{
    const auto [from, to] = Suggestion();
    if (!IsBoardSquare(from) || !IsBoardSquare(to) || _geometry.square <= 0)
        return;
    // The squares' geometry is in the canvas's device pixels.
    painter.save();
    painter.scale(1.0 / _pixelRatio, 1.0 / _pixelRatio);
    const int width = std::max(1, static_cast<int>(FrameWidth * _pixelRatio + 0.5));
    QPen pen(SuggestionColour);
    pen.setWidth(width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = width / 2 + 1;
    for (const Square sq : {from, to})
        painter.drawRect(_geometry.SquareRect(sq).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}
