#pragma once
// The committed piece sets come with their art drawn again at two and three
// times the cell (resources/pieces/2x, 3x), so a screen of more than one
// device pixel per logical pixel gets pieces drawn for its pixels.

#include <QImage>
#include <QString>
#include <optional>

/// Scales of the sharper drawings shipped with every committed set.
inline constexpr int SharperScales[] = {2, 3};

/// Resource path of a committed upright set drawn at `scale` times its cell,
/// e.g. ":/pieces/2x/ImageFr80.png".
QString SharperPieceSetPath(const QString& uprightName, int scale);

/// Where the sharper drawings of a committed set are: the upright set whose
/// art it shows, and whether its black cells are turned.
struct TSharperSource {
    QString upright;
    bool flipBlack = false;
};

/// The committed set whose pixels `sheet` has; nothing for any other sheet,
/// a host's own for instance. Reads only committed sheets of the same size.
std::optional<TSharperSource> CommittedSourceOf(const QImage& sheet);

/// The set drawn at `scale` times its cell (a FlipBlack set with its black
/// cells turned as in its own sheet); null when none is shipped at that scale.
QImage SharperSheet(const TSharperSource& source, int scale);

/// Turns the black rows of a sheet (rows 2 and 3) cell by cell by 180 degrees,
/// as the FlipBlack sets are drawn.
QImage WithBlackTurned(const QImage& sheet);
