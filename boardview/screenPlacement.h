#pragma once
// Keeping a window inside the part of its screen that windows may use.

#include <QPoint>
#include <QRect>

class QWidget;

/// The top-left corner that moves `frame` (a window with its frame) the
/// least so that it lies inside `available`; a frame larger than the area
/// keeps its top-left corner (and so its title bar) inside.
QPoint PlacedInside(QRect frame, QRect available);

/// Moves a top-level window inside the available area of the screen its
/// centre is on (the nearest screen when it is on none). A window not yet
/// shown is measured with the frame margins of `frameOf` (usually its owner).
void MoveInsideScreen(QWidget& window, const QWidget* frameOf = nullptr);
