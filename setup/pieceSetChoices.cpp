#include "pieceSetChoices.h"

#include "pieceResources.h"
#include "sameBitmap.h"

TPieceSetChoices LoadPieceSetChoices()
{
    // The images live in another library; its registration must run first.
    EnsurePieceResources();
    return {{
        {QStringLiteral("Common"), QImage(PieceSetPath(QStringLiteral("ImageFr80")))},
        {QStringLiteral("French"), QImage(PieceSetPath(QStringLiteral("ImageCm72")))},
        {QStringLiteral("Common Flip Black"), QImage(PieceSetPath(QStringLiteral("ImageFr80FlipBlack")))},
        {QStringLiteral("French  Flip Black"), QImage(PieceSetPath(QStringLiteral("ImageCm72FlipBlack")))},
    }};
}

QString PieceSetItemFor(const TPieceSetChoices& choices, const QImage& current)
{
    for (const TPieceSetChoice& choice : choices)
        if (SameBitmap(current, choice.image))
            return choice.itemText;
    return AutomaticPieceSetText;
}

std::optional<QImage> PieceSetForItem(const TPieceSetChoices& choices, const QString& itemText)
{
    if (itemText == AutomaticPieceSetText)
        return QImage();
    for (const TPieceSetChoice& choice : choices) {
        // A set whose picture is missing would silently become "Automatic".
        if (choice.itemText == itemText)
            return choice.image.isNull() ? std::nullopt : std::optional<QImage>(choice.image);
    }
    return std::nullopt;
}
