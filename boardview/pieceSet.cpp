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

TPieceSet::TImages TPieceSet::Cut(const QImage& sheet)
{
    // One conversion up front lets the cutting read plain 32-bit pixels from
    // sheets stored with a palette, in 4 or 8 bits, or with an alpha channel.
    const QImage argb = sheet.convertToFormat(QImage::Format_ARGB32);
    const int size = sheet.height() / Rows;
    TImages images;
    for (int colour = 0; colour < 2; ++colour)
        for (int column = 0; column < Columns; ++column)
            images[static_cast<std::size_t>(colour * Columns + column)] =
                CutPiece(argb, column, 2 * colour, size);
    return images;
}

TPieceSet::TPieceSet(const QImage& sheet)
{
    if (!HasPieceSetShape(sheet))
        return;
    _images = Cut(sheet);
    _pieceSize = sheet.height() / Rows;
    _prepared = _images;
    _preparedSize = _pieceSize;
    _preparedFor = _pieceSize;
    CutVisibleParts();
}

void TPieceSet::CutVisibleParts()
{
    for (std::size_t i = 0; i < _prepared.size(); ++i) {
        const QImage& image = _prepared[i];
        const int width = image.width();
        const int height = image.height();
        int left = width;
        int top = height;
        int right = -1;
        int bottom = -1;
        for (int y = 0; y < height; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < width; ++x)
                if (qAlpha(line[x]) != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = y;
                }
        }
        const QRect visible = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
        _preparedVisible[i] = visible.isEmpty() ? QImage() : image.copy(visible);
        _visibleOffset[i] = visible.topLeft();
    }
}

void TPieceSet::AddSharperSheet(int scale, const QImage& sheet)
{
    if (Empty() || scale < 2 || !HasPieceSetShape(sheet) || sheet.height() / Rows != scale * _pieceSize)
        return;
    const auto at =
        std::find_if(_sharper.begin(), _sharper.end(), [scale](const auto& s) { return s.first >= scale; });
    if (at != _sharper.end() && at->first == scale)
        return;
    _sharper.insert(at, {scale, Cut(sheet)});
    // Pieces prepared from the smaller sheets are redone from the new one.
    const int wanted = _preparedFor;
    _preparedFor = 0;
    PrepareSize(wanted);
}

int TPieceSet::LargestCell() const
{
    return _sharper.empty() ? _pieceSize : _sharper.back().first * _pieceSize;
}

QImage TPieceSet::ImageAt(char letter, int size) const
{
    const auto slot = SlotOf(letter);
    if (!slot || size <= 0)
        return {};
    // The smallest source that needs no enlarging; the largest when none is big enough.
    const QImage* source = &_images[*slot];
    for (const auto& [scale, images] : _sharper) {
        if (source->width() >= size)
            break;
        source = &images[*slot];
    }
    if (!_sharper.empty())
        size = std::min(size, source->width());
    if (source->width() == size)
        return *source;
    return source->scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TPieceSet::PrepareSize(int size)
{
    if (Empty() || size <= 0 || size == _preparedFor)
        return;
    _preparedFor = size;
    for (int i = 0; i < ImageCount; ++i)
        _prepared[static_cast<std::size_t>(i)] = ImageAt(PieceLetters[static_cast<std::size_t>(i)], size);
    _preparedSize = _prepared[0].width();
    CutVisibleParts();
}

std::optional<std::size_t> TPieceSet::SlotOf(char letter) const
{
    const int index = PieceImageIndex(letter);
    if (index < 0 || Empty())
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

const QImage* TPieceSet::PreparedImage(char letter) const
{
    const auto slot = SlotOf(letter);
    return slot ? &_prepared[*slot] : nullptr;
}

void TPieceSet::DrawSized(QPainter& painter, int x, int y, char letter) const
{
    const auto slot = SlotOf(letter);
    if (slot && !_preparedVisible[*slot].isNull())
        painter.drawImage(QPoint(x, y) + _visibleOffset[*slot], _preparedVisible[*slot]);
}

const QImage* TPieceSet::Image(char letter) const
{
    const auto slot = SlotOf(letter);
    return slot ? &_images[*slot] : nullptr;
}

void TPieceSet::Draw(QPainter& painter, int x, int y, char letter) const
{
    if (const QImage* image = Image(letter))
        painter.drawImage(x, y, *image);
}
