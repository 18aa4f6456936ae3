#pragma once
// A board's history told again from its first record, each move made by the
// referee: the moves as the protocol writes them, and whether they lead to
// the position shown. A program sent those moves follows the game on the
// board only when they do; a tolerated old game file may lack a record's
// squares, and a record may hold a move the rules refuse.

#include <string>
#include <vector>

#include "veltanbrdKernel.h"

/// A history replayed from its first record.
struct THistoryReplay {
    std::vector<std::string> moves; ///< the records' moves in the protocol's text, first move first
    std::string problem;            ///< empty when the moves lead to the position shown and its mover
};

/// Replays records 1 to `board.LastMove` on a board of its own, from record 0
/// under `board`'s turn rules. On a problem, `moves` holds those that were made.
THistoryReplay ReplayHistory(const TVeltanBrdKernel& board);

/// The move of history record `moveno` (1 to `board.LastMove`) as the protocol
/// writes it: castling as the record holds it (king's square, then rook's), a
/// promotion to anything but a queen with the letter of the piece the pawn
/// became. Empty when the record names no squares.
std::string RecordMoveText(const TVeltanBrdKernel& board, int moveno);
