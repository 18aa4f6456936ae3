// The pictures look like the board during a drag: the same square colours,
// the same green on the squares the pressed piece may go to, the French
// pieces the board starts with, drawn from the sheet made for the screen's
// pixels rather than enlarged.

#include "diagramImage.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "helpDiagrams.h"
#include "pieceResources.h"
#include "pieceSet.h"
#include "sharperPieceSets.h"
#include "veltanbrdKernel.h"

namespace {

constexpr int RankMargin = 26;
constexpr int FileMargin = 20;
constexpr int CoordinatePixels = 12;

// The board's colours as the main window sets them.
const QColor LightSquare(135, 194, 240);
const QColor DarkSquare(255, 255, 255);
const QColor LightTarget(161, 252, 170);
const QColor DarkTarget(192, 220, 192);
const QColor Frame(96, 96, 96);

const QString PieceSetName = QStringLiteral("ImageFr80");

const TPieceSet& Pieces()
{
    static const TPieceSet pieces = [] {
        EnsurePieceResources();
        TPieceSet set(QImage(PieceSetPath(PieceSetName)));
        for (const int scale : SharperScales)
            set.AddSharperSheet(scale, SharperSheet({PieceSetName, false}, scale));
        return set;
    }();
    return pieces;
}

} // namespace

QImage DiagramImage(const THelpDiagram& diagram, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int files = diagram.rows.empty() ? 0 : static_cast<int>(diagram.rows.front().size());
    const int ranks = static_cast<int>(diagram.rows.size());
    const QSize logical(RankMargin + files * DiagramSquareSize + 1,
                        ranks * DiagramSquareSize + FileMargin + 1);
    QImage image(QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);

    const Square corner = TVeltanBrdKernel::AnsiStringToSquare(diagram.topLeft);
    const int left = FileOf(corner), top = RankOf(corner);
    const auto origin = [&](Square sq) {
        return QPoint(RankMargin + (FileOf(sq) - left) * DiagramSquareSize,
                      (top - RankOf(sq)) * DiagramSquareSize);
    };
    const std::vector<Square> targets = DiagramTargets(diagram);
    const int pieceSize = static_cast<int>(std::lround(DiagramSquareSize * ratio));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const THelpDiagramSquare& placed : DiagramSquares(diagram)) {
        const bool light = TVeltanBrdKernel::ColorOfSquare(placed.square) == 1;
        const bool target = std::find(targets.begin(), targets.end(), placed.square) != targets.end();
        const QRect rect(origin(placed.square), QSize(DiagramSquareSize, DiagramSquareSize));
        painter.fillRect(rect,
                         target ? (light ? LightTarget : DarkTarget) : (light ? LightSquare : DarkSquare));
        const QImage piece = Pieces().ImageAt(placed.piece, pieceSize);
        if (!piece.isNull())
            painter.drawImage(QRectF(rect), piece);
    }
    painter.setPen(Frame);
    painter.drawRect(RankMargin, 0, files * DiagramSquareSize, ranks * DiagramSquareSize);

    QFont font = painter.font();
    font.setPixelSize(CoordinatePixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int row = 0; row < ranks; ++row) {
        const QRect label(0, row * DiagramSquareSize, RankMargin - 4, DiagramSquareSize);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1").arg(top - row, 2, 10, QChar('0')));
    }
    for (int column = 0; column < files; ++column) {
        const QRect label(RankMargin + column * DiagramSquareSize, ranks * DiagramSquareSize,
                          DiagramSquareSize, FileMargin);
        painter.drawText(label, Qt::AlignCenter, QString(QChar('A' + left - 1 + column)));
    }
    return image;
}
