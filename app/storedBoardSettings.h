#pragma once
// The settings the main window gives its board, over the board's own defaults.

class TVeltanBrd;

/// Applies the main window's stored settings to its board: 48-pixel squares in
/// a 24-pixel silver border (816 x 816 in all), the window's light blue and
/// white squares, green and yellow highlights, animation on, one hour and five
/// seconds a move on each clock, no computer player. The caller brackets the
/// call with SetLoading(true) and SetLoading(false) so nothing is drawn
/// halfway; the game settings set here are replaced before the first game.
void ApplyStoredBoardSettings(TVeltanBrd& board);
