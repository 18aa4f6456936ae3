#include "pieceSetKeys.h"

#include <algorithm>
#include <array>

#include "sameBitmap.h"

namespace {

// In the order of TPieceSetName; written into settings files, so never renamed.
const std::array<QString, TPieceSetImages::Count> SetKeys = {
    QStringLiteral("Cm36"),          QStringLiteral("Cm36FlipBlack"), QStringLiteral("Fr40"),
    QStringLiteral("Fr40FlipBlack"), QStringLiteral("Cm72"),          QStringLiteral("Cm72FlipBlack"),
    QStringLiteral("Fr80"),          QStringLiteral("Fr80FlipBlack"),
};

} // namespace

QString PieceSetKey(const TPieceSetImages& sets, const QImage& current)
{
    for (std::size_t i = 0; i < SetKeys.size(); ++i) {
        if (SameBitmap(sets.Image(static_cast<TPieceSetName>(i)), current))
            return SetKeys[i];
    }
    return AutomaticPieceSetKey;
}

bool IsPieceSetName(const QString& key)
{
    return key == AutomaticPieceSetKey || std::find(SetKeys.begin(), SetKeys.end(), key) != SetKeys.end();
}

std::optional<QImage> PieceSetForKey(const TPieceSetImages& sets, const QString& key)
{
    if (key == AutomaticPieceSetKey)
        return QImage();
    const auto found = std::find(SetKeys.begin(), SetKeys.end(), key);
    if (found == SetKeys.end())
        return std::nullopt;
    return sets.Image(static_cast<TPieceSetName>(found - SetKeys.begin()));
}
