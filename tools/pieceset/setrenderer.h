#pragma once

#include "piecestyle.h"

#include <QImage>

namespace pieceset {

// Paints the fourteen cells of a style at cell size P and lays them out as a 7P x 4P
// piece-set bitmap (see composeSheet). A null image when cellSize < 1 or the style has no glyphs.
QImage renderSheet(const PieceStyle& style, int cellSize, bool flipBlack);

} // namespace pieceset
