// A move suggested to a human player: a frame on its from- and to-square,
// drawn over the canvas so that it never changes the board's own picture and
// goes away by itself with the next move.

#include <QPainter>

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
    QPen pen(SuggestionColour);
    pen.setWidth(FrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = FrameWidth / 2 + 1;
    for (const Square sq : {from, to})
        painter.drawRect(_geometry.SquareRect(sq).adjusted(inset, inset, -inset, -inset));
}
