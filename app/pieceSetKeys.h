#pragma once
// The piece set as the settings keep it: the name of one of the window's sets,
// or "Automatic" for the board's own.

#include <QImage>
#include <QString>
#include <optional>

#include "pieceSetImages.h"

/// The name of the board's own built-in set.
inline const QString AutomaticPieceSetKey = QStringLiteral("Automatic");

/// The name of the window's set that is the same bitmap as `current`:
/// "Cm36", "Cm36FlipBlack", ... "Fr80FlipBlack"; AutomaticPieceSetKey for a
/// null image or a picture of none of them.
QString PieceSetKey(const TPieceSetImages& sets, const QImage& current);

/// True for the names PieceSetKey gives.
bool IsPieceSetName(const QString& key);

/// The picture a name stands for (a null image for AutomaticPieceSetKey);
/// nothing for any other name.
std::optional<QImage> PieceSetForKey(const TPieceSetImages& sets, const QString& key);
