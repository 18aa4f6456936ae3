#pragma once
// The window's board made to show an online game: set up from the game's
// settings with the server's moves and the ones made here replayed by the
// referee, or one arriving move played on it, animated, through the kernel's
// own move so the last-move marks and the history follow as in a local game.

#include <QString>

#include "followedGame.h"

class TVeltanBrd;

namespace online {

/// Sets `board` up anew as `game` stands (the pending moves on top) without
/// drawing every step, then repaints it whole; what is wrong when the game
/// does not replay (the board then shows as much as did).
QString ShowFollowedGame(TVeltanBrd& board, const net::TFollowedGame& game);
/// Plays a move that arrived on `board` with its glide; false when the board
/// could not take it (it no longer matches the game: show it anew instead).
bool PlayArrivedMove(TVeltanBrd& board, const TProtocolMove& move);

} // namespace online
