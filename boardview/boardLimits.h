#pragma once
// Bounds the board view keeps every setting within. A setter clamps what it is
// handed to these, so no value can make the view divide by zero, index outside
// a table or allocate a canvas beyond what a screen can show.

#include "square.h"

/// Largest edge of one square in pixels (a 16-square grid then spans 3200 pixels).
inline constexpr int MaxSquareSize = 200;
/// Widest border ring in pixels.
inline constexpr int MaxBorderSize = 200;
/// Largest side of the whole board, and so of its canvas.
inline constexpr int MaxBoardSide = BoardSize * MaxSquareSize + 2 * MaxBorderSize;
/// Largest cell of a piece set; bigger sets are refused like sets of the wrong shape.
inline constexpr int MaxPieceCell = 400;
/// Widest pen for the frame outlines and grid lines.
inline constexpr int MaxLineWidth = 32;
/// Longest wait per one-pixel animation step, in milliseconds, so a mistyped
/// delay cannot freeze the program for minutes.
inline constexpr int MaxAnimationStepDelay = 100;
/// Size of the bottom-right zone that starts a corner resize, minus one.
inline constexpr int CornerZoneSize = 10;
/// The coordinates are set in a 7-point font; a border or square narrower than
/// that cannot hold them.
inline constexpr int CoordFontPoints = 7;
/// Device pixels per logical pixel the board draws at, at least and at most:
/// beyond them a canvas would be needlessly coarse or too large to keep.
inline constexpr double MinPixelRatio = 0.5;
inline constexpr double MaxPixelRatio = 4.0;
