#pragma once

#include "piecestyle.h"

#include <QImage>

namespace pieceset {

// Paints the fourteen cells of a style at cell size P and lays them out as a 7P x 4P
// piece-set bitmap (see composeSheet). With a scale above 1 the same set is drawn for a screen
// of that many device pixels per pixel: cells and pieces scale times larger, drawn afresh
// from the outlines. A null image when cellSize < 1, scale < 1 or the style has no glyphs.
QImage renderSheet(const PieceStyle& style, int cellSize, bool flipBlack, int scale = 1);

} // namespace pieceset
