#include "preview.h"

#include "appicon.h"
#include "piecekind.h"
#include "piecesheet.h"

#include <QPainter>

#include <algorithm>

namespace pieceset {

namespace {

constexpr int LabelHeight = 18;
constexpr int Gap = 8;

// Two rows of 14 squares: white then black pieces on the upper row, black then white on
// the lower one, so each piece shows on both square colours.
void drawStrip(QPainter& painter, const QImage& sheet, const int top)
{
    const int cellSize = sheet.height() / SheetRows;
    for (int stripRow = 0; stripRow < 2; ++stripRow) {
        for (int slot = 0; slot < 2 * SheetColumns; ++slot) {
            const int x = slot * cellSize;
            const int y = top + stripRow * cellSize;
            const bool light = (slot + stripRow) % 2 == 0;
            painter.fillRect(x, y, cellSize, cellSize,
                             QColor::fromRgb(light ? LightBlueSquare : WhiteSquare));
            const bool whitePiece = (slot < SheetColumns) == (stripRow == 0);
            const int column = slot % SheetColumns;
            const int pictureRow = whitePiece ? 0 : 2;
            painter.drawImage(
                x, y,
                applyMask(sheetCell(sheet, column, pictureRow), sheetCell(sheet, column, pictureRow + 1)));
        }
    }
}

} // namespace

QImage composePreview(const std::vector<NamedSheet>& sheets)
{
    int width = 0;
    int height = 0;
    for (const NamedSheet& named : sheets) {
        const int cellSize = named.sheet.height() / SheetRows;
        width = std::max(width, 2 * SheetColumns * cellSize);
        height += LabelHeight + 2 * cellSize + Gap;
    }
    QImage preview(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    preview.fill(QColor(200, 200, 200));
    QPainter painter(&preview);
    int top = 0;
    for (const NamedSheet& named : sheets) {
        painter.setPen(Qt::black);
        painter.drawText(QRect(4, top, width - 4, LabelHeight), Qt::AlignVCenter, named.name);
        top += LabelHeight;
        drawStrip(painter, named.sheet, top);
        top += 2 * (named.sheet.height() / SheetRows) + Gap;
    }
    painter.end();
    return preview;
}

} // namespace pieceset
