#pragma once
// The piece-set images compiled into the program (resources/pieces.qrc).

#include <QString>

/// Resource path of the built-in 40-pixel set the board starts with.
inline const QString BuiltInPieceSetPath = QStringLiteral(":/pieces/SETKORLAN40.png");

/// Resource path of one of the main window's sets by its name, e.g. "ImageFr80"
/// (also ImageCm36, ImageCm36FlipBlack, ImageFr40, ImageFr40FlipBlack,
/// ImageCm72, ImageCm72FlipBlack, ImageFr80FlipBlack).
inline QString PieceSetPath(const QString& name)
{
    return QStringLiteral(":/pieces/") + name + QStringLiteral(".png");
}

/// Makes the compiled-in piece images reachable under ":/pieces/". The images
/// live in a static library, whose registration a linker may otherwise drop;
/// safe to call any number of times, from the board and from anyone else.
void EnsurePieceResources();
