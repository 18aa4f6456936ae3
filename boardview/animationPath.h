#pragma once
// The points a moving piece passes through, one pixel per step.

#include <QPoint>
#include <vector>

/// The steps of a piece gliding from `from` to `to`, both included.
/// A knight first slides along x at from.y, then along y at to.x (an L, the
/// corner point appearing in both legs). Any other piece follows the straight
/// line, stepping one pixel along the longer axis (x on a tie) while the other
/// coordinate grows by the matching fraction, truncated toward zero. A piece
/// that does not move has no steps.
std::vector<QPoint> AnimationPath(QPoint from, QPoint to, bool knight);
