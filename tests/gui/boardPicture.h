#pragma once
// The picture of the board shown in the README: the classic arrangement with
// the 80-pixel set, coordinates on every side, a knight pressed with its legal
// destinations in green, in the main window's colours.

#include <QImage>

#include "square.h"

/// The square whose piece is pressed in the picture: White's knight on D02.
inline constexpr Square BoardPicturePressedSquare = D02;

/// Draws the picture (816 x 816). Needs a QApplication.
QImage RenderBoardPicture();
