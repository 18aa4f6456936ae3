#pragma once

#include "piecestyle.h"

#include <QImage>

namespace pieceset {

// Square board colours the game's pieces are designed for; the icon shows them too.
inline constexpr QRgb LightBlueSquare = 0xFF87C2F0; // RGB 135, 194, 240
inline constexpr QRgb WhiteSquare = 0xFFFFFFFF;

// Paints the application icon: a knight of the given style standing on a 2 x 2 patch of
// light-blue and white squares with rounded corners, transparent around the patch.
// Returns a null image when size < 16.
QImage paintAppIcon(const PieceStyle& style, int size);

} // namespace pieceset
