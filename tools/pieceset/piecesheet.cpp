#include "piecesheet.h"

#include <QPainter>

#include <algorithm>

namespace pieceset {

namespace {

bool cellsAreUniform(const SideCells& white, const SideCells& black, const int cellSize)
{
    const auto fits = [cellSize](const QImage& cell) {
        return !cell.isNull() && cell.width() == cellSize && cell.height() == cellSize;
    };
    return cellSize > 0 && std::all_of(white.begin(), white.end(), fits) &&
           std::all_of(black.begin(), black.end(), fits);
}

// The picture keeps the straight (not premultiplied) colour even on faint edge pixels, so a
// viewer that treats every non-white mask pixel as fully opaque still sees the piece's own
// edge colour there.
QImage pictureOf(const QImage& cell)
{
    const QImage straight = cell.convertToFormat(QImage::Format_ARGB32);
    QImage picture(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            out[x] = qAlpha(in[x]) == 0 ? PictureBackground : (in[x] | 0xFF000000u);
        }
    }
    return picture;
}

QImage maskOf(const QImage& cell)
{
    const QImage premultiplied = cell.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage mask(premultiplied.size(), QImage::Format_RGB32);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const int grey = 255 - qAlpha(in[x]);
            out[x] = qRgb(grey, grey, grey);
        }
    }
    return mask;
}

QImage turned(const QImage& cell, const bool flip)
{
    return flip ? cell.mirrored(true, true) : cell;
}

} // namespace

QImage composeSheet(const SideCells& white, const SideCells& black, const bool flipBlack)
{
    const int cellSize = white.front().width();
    if (!cellsAreUniform(white, black, cellSize)) {
        return {};
    }
    QImage sheet(SheetColumns * cellSize, SheetRows * cellSize, QImage::Format_RGB32);
    sheet.fill(PictureBackground);
    QPainter painter(&sheet);
    for (int column = 0; column < SheetColumns; ++column) {
        const int x = column * cellSize;
        painter.drawImage(x, 0 * cellSize, pictureOf(white[column]));
        painter.drawImage(x, 1 * cellSize, maskOf(white[column]));
        painter.drawImage(x, 2 * cellSize, turned(pictureOf(black[column]), flipBlack));
        painter.drawImage(x, 3 * cellSize, turned(maskOf(black[column]), flipBlack));
    }
    painter.end();
    return sheet;
}

QImage sheetCell(const QImage& sheet, const int column, const int row)
{
    const int cellSize = sheet.height() / SheetRows;
    const bool shaped = cellSize > 0 && sheet.width() * SheetRows == sheet.height() * SheetColumns;
    const bool inside = column >= 0 && column < SheetColumns && row >= 0 && row < SheetRows;
    if (!shaped || !inside) {
        return {};
    }
    return sheet.copy(column * cellSize, row * cellSize, cellSize, cellSize);
}

QImage applyMask(const QImage& picture, const QImage& mask)
{
    if (picture.isNull() || picture.size() != mask.size()) {
        return {};
    }
    const QImage colours = picture.convertToFormat(QImage::Format_RGB32);
    const QImage greys = mask.convertToFormat(QImage::Format_RGB32);
    QImage result(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        const auto* colourRow = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        const auto* greyRow = reinterpret_cast<const QRgb*>(greys.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int alpha = 255 - qGray(greyRow[x]);
            out[x] = qRgba(qRed(colourRow[x]), qGreen(colourRow[x]), qBlue(colourRow[x]), alpha);
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace pieceset
