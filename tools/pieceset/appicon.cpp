#include "appicon.h"

#include "piecepainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace pieceset {

QImage paintAppIcon(const PieceStyle& style, const int size)
{
    if (size < 16 || style.glyphs == nullptr) {
        return {};
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);

    // A hair of room around the patch keeps its anti-aliased rim inside the image.
    const double inset = size / 32.0;
    const QRectF patch(inset, inset, size - 2.0 * inset, size - 2.0 * inset);
    const double radius = size / 8.0;
    QPainterPath outline;
    outline.addRoundedRect(patch, radius, radius);

    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(outline);
    const double half = patch.width() / 2.0;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRectF square(patch.left() + column * half, patch.top() + row * half, half, half);
            painter.fillRect(square,
                             QColor::fromRgb((row + column) % 2 == 0 ? LightBlueSquare : WhiteSquare));
        }
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(40, 60, 90), std::max(1.0, size / 64.0)));
    painter.drawPath(outline);

    const int knightSize = static_cast<int>(std::lround(size * 0.86));
    const QImage knight = paintPiece(style, PieceKind::Knight, Side::Black, knightSize);
    const int offset = (size - knightSize) / 2;
    painter.drawImage(offset, offset, knight);
    painter.end();
    return icon;
}

} // namespace pieceset
