#include "sharperPieceSets.h"

#include <QImageReader>
#include <QPainter>
#include <array>

#include "pieceResources.h"

namespace {

struct TCommittedSet {
    const char* name;
    const char* upright; // the set whose art it shares
    bool flipBlack;
};

constexpr std::array<TCommittedSet, 9> CommittedSets{{
    {"SETKORLAN40", "SETKORLAN40", false},
    {"ImageCm36", "ImageCm36", false},
    {"ImageCm36FlipBlack", "ImageCm36", true},
    {"ImageFr40", "ImageFr40", false},
    {"ImageFr40FlipBlack", "ImageFr40", true},
    {"ImageCm72", "ImageCm72", false},
    {"ImageCm72FlipBlack", "ImageCm72", true},
    {"ImageFr80", "ImageFr80", false},
    {"ImageFr80FlipBlack", "ImageFr80", true},
}};

constexpr int SheetColumns = 7;
constexpr int SheetRows = 4;

bool SamePixels(const QImage& a, const QImage& b)
{
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QString SharperPieceSetPath(const QString& uprightName, int scale)
{
    return QStringLiteral(":/pieces/%1x/%2.png").arg(scale).arg(uprightName);
}

QImage WithBlackTurned(const QImage& sheet)
{
    QImage turned = sheet.convertToFormat(QImage::Format_ARGB32);
    const int cell = turned.height() / SheetRows;
    if (cell <= 0)
        return turned;
    QPainter painter(&turned);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int row = 2; row < SheetRows; ++row)
        for (int column = 0; column < SheetColumns; ++column) {
            const QRect area(column * cell, row * cell, cell, cell);
            painter.drawImage(area.topLeft(), sheet.copy(area).mirrored(true, true));
        }
    return turned;
}

std::optional<TSharperSource> CommittedSourceOf(const QImage& sheet)
{
    if (sheet.isNull())
        return std::nullopt;
    EnsurePieceResources();
    for (const TCommittedSet& set : CommittedSets) {
        // Reading a committed sheet costs a PNG decode: only those of the
        // same size are worth comparing.
        QImageReader reader(PieceSetPath(QString::fromLatin1(set.name)));
        if (reader.size() == sheet.size() && SamePixels(reader.read(), sheet))
            return TSharperSource{QString::fromLatin1(set.upright), set.flipBlack};
    }
    return std::nullopt;
}

QImage SharperSheet(const TSharperSource& source, int scale)
{
    EnsurePieceResources();
    const QImage drawn(SharperPieceSetPath(source.upright, scale));
    return source.flipBlack && !drawn.isNull() ? WithBlackTurned(drawn) : drawn;
}
