#include "pieceSet.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "boardLimits.h"

namespace {

constexpr int Columns = 7;
constexpr int Rows = 4;
constexpr std::string_view PieceLetters = "PNBRQKEpnbrqke";

// Opacity of a mask pixel. For the greys of a smooth mask this is 255 minus the
// grey level; taking the darkest channel keeps any coloured mask pixel opaque,
// as a hard mask would.
int MaskAlpha(QRgb mask)
{
    return 255 - std::min({qRed(mask), qGreen(mask), qBlue(mask)});
}

QImage CutPiece(const QImage& sheet, int column, int pictureRow, int size)
{
    QImage piece(size, size, QImage::Format_ARGB32_Premultiplied);
    const int x0 = column * size;
    const int pictureY0 = pictureRow * size;
    const int maskY0 = (pictureRow + 1) * size;
    for (int y = 0; y < size; ++y) {
        const auto* picture = reinterpret_cast<const QRgb*>(sheet.constScanLine(pictureY0 + y)) + x0;
        const auto* mask = reinterpret_cast<const QRgb*>(sheet.constScanLine(maskY0 + y)) + x0;
        auto* out = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int alpha = MaskAlpha(mask[x]) * qAlpha(picture[x]) / 255;
            out[x] = qPremultiply(qRgba(qRed(picture[x]), qGreen(picture[x]), qBlue(picture[x]), alpha));
        }
    }
    return piece;
}

} // namespace

bool TPieceSet::HasPieceSetShape(const QImage& sheet)
{
    if (sheet.isNull() || sheet.width() <= 0 || sheet.height() <= 0)
        return false;
    const std::int64_t w = sheet.width();
    const std::int64_t h = sheet.height();
    return Rows * w == Columns * h && h / Rows <= MaxPieceCell;
}

int TPieceSet::PieceImageIndex(char letter)
{
    const auto at = PieceLetters.find(letter);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

TPieceSet::TPieceSet(const QImage& sheet)
{
    if (!HasPieceSetShape(sheet))
        return;
    // One conversion up front lets the cutting read plain 32-bit pixels from
    // sheets stored with a palette, in 4 or 8 bits, or with an alpha channel.
    const QImage argb = sheet.convertToFormat(QImage::Format_ARGB32);
    const int size = sheet.height() / Rows;
    for (int colour = 0; colour < 2; ++colour)
        for (int column = 0; column < Columns; ++column)
            _images[static_cast<std::size_t>(colour * Columns + column)] =
                CutPiece(argb, column, 2 * colour, size);
    _pieceSize = size;
}

const QImage* TPieceSet::Image(char letter) const
{
    const int index = PieceImageIndex(letter);
    if (index < 0 || Empty())
        return nullptr;
    return &_images[static_cast<std::size_t>(index)];
}

void TPieceSet::Draw(QPainter& painter, int x, int y, char letter) const
{
    if (const QImage* image = Image(letter))
        painter.drawImage(x, y, *image);
}
