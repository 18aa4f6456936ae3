#pragma once
// Drawing a picture of the rules page with the game's own pieces and colours.

#include <QImage>

struct THelpDiagram;

/// Edge of one square of a picture, in logical pixels.
inline constexpr int DiagramSquareSize = 32;

/// The picture drawn for a screen of `devicePixelRatio` device pixels per
/// logical pixel: the image carries that ratio, so it shows at the same
/// logical size on every screen and as sharp as the screen allows. Squares
/// in the board's colours, the mover's targets in the board's green, rank
/// numbers on the left and file letters below.
QImage DiagramImage(const THelpDiagram& diagram, qreal devicePixelRatio);
