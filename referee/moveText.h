#pragma once
// Moves as the protocol writes them: the from-square and the to-square in the
// board's text form ("E04E06"), castling as the king's square then the
// rook's, and a promotion letter n, b, r or q after a pawn's move to the last rank.

#include <optional>
#include <string>
#include <string_view>

#include "square.h"

/// No promotion letter was given: a pawn reaching the last rank becomes a queen.
inline constexpr char NoPromotion = '\0';

/// A move read from the protocol.
struct TProtocolMove {
    Square from = SqrNone;
    Square to = SqrNone;
    char promotion = NoPromotion; ///< 'n', 'b', 'r', 'q' or NoPromotion
};

/// Reads "E04E06" or "E15E16n" (files A to P in capitals, ranks 01 to 16);
/// nothing for any other text.
std::optional<TProtocolMove> ReadMoveText(std::string_view text);

/// The text of a move between two board squares, "E04E06".
std::string MoveText(Square from, Square to);
