#include "boardTexture.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <algorithm>

#include "boardLimits.h"

TBoardTexture::TBoardTexture(const QImage& image) : _image(image)
{
    _usable = !image.isNull() && image.width() > 0 && image.height() > 0;
    if (!_usable)
        return;
    // Tiles start at the board's origin, so no pixel beyond the largest board
    // can ever show: a huge bitmap is cut down once here instead of being
    // carried through every fill. Squares are opaque, so any alpha goes too.
    const QImage visible =
        image.width() > MaxBoardSide || image.height() > MaxBoardSide
            ? image.copy(0, 0, std::min(image.width(), MaxBoardSide), std::min(image.height(), MaxBoardSide))
            : image;
    _brush = QBrush(visible.convertToFormat(QImage::Format_RGB32));
}

void TBoardTexture::Fill(QPainter& painter, const QRect& rect, const QColor& fallback) const
{
    if (!_usable) {
        painter.fillRect(rect, fallback);
        return;
    }
    painter.setBrushOrigin(0, 0);
    painter.fillRect(rect, _brush);
}
