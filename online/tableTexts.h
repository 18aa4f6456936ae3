#pragma once
// What the window says about an online game: the status line under the board
// and the lines of the seats panel, from the game as the server told it.

#include <QString>

#include "followedGame.h"

class TVeltanBrdKernel;

namespace online {

/// The status line: who is to move on `board` (the game shown) and by which
/// name, or that the game waits, is paused or how it ended; a standing draw offer.
QString StatusText(const net::TFollowedGame& game, const TVeltanBrdKernel& board);
/// "Reconnecting… (away 12 s)", for a line that dropped `awayMs` ago.
QString ReconnectingText(qint64 awayMs);
/// One seat's line: "White 1: Ann (away), to move, here"; a free seat says so.
QString SeatLine(const net::TSeatView& seat, bool toMove);
/// "White" or "Black", and the player's number when a team has several.
QString SeatTitle(net::TSeat seat, int playersPerTeam);

} // namespace online
