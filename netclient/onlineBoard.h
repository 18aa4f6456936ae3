#pragma once
// A board set up for an online game's settings and its moves replayed by the
// referee: the one way this program turns what a server (or a kept file)
// says into a position, so a move the rules refuse is always caught.

#include <QString>
#include <vector>

#include "onlineGameParts.h"
#include "onlineSettings.h"

class TVeltanBrdKernel;

namespace net {

/// Starts a refereed game on `board` from the settings' start position and
/// turn rules; what is wrong when the settings name no start this program has.
QString StartOnlineBoard(TVeltanBrdKernel& board, const TOnlineSettings& settings);
/// Plays `moves` on `board` in order; names the first move the rules refuse.
QString ReplayMoves(TVeltanBrdKernel& board, const std::vector<TPlayedMove>& moves);
/// "E04E06" or "E15E16n", as the protocol writes a move.
QString MoveName(const TProtocolMove& move);

} // namespace net
