#pragma once
// The committed piece sets come with their art drawn again at two and three
// times the cell (resources/pieces/2x, 3x), so a screen of more than one
// device pixel per logical pixel gets pieces drawn for its pixels.

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

/// Scales of the sharper drawings shipped with every committed set.
inline constexpr int SharperScales[] = {2, 3};

/// Resource path of a committed upright set drawn at `scale` times its cell,
/// e.g. ":/pieces/2x/ImageFr80.png".
QString SharperPieceSetPath(const QString& uprightName, int scale);

/// The sharper sheets of `sheet` when its pixels are those of a committed set
/// (a FlipBlack set gets its black cells turned as in its own sheet), by
/// ascending scale; empty for any other sheet, a host's own for instance.
std::vector<std::pair<int, QImage>> SharperSheetsOf(const QImage& sheet);

/// Turns the black rows of a sheet (rows 2 and 3) cell by cell by 180 degrees,
/// as the FlipBlack sets are drawn.
QImage WithBlackTurned(const QImage& sheet);
