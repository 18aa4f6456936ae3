#pragma once
// An engine's report on the search it is running, as its `info` lines give it:
// how deep it has got and the move its line of play starts with.

#include <optional>
#include <string_view>

#include "square.h"

/// The part of an `info` line a person watching the search is shown.
struct TInfoLine {
    int depth = 0;         ///< depth reached, at least 1
    Square from = SqrNone; ///< the first move of its line of play, as the protocol writes it
    Square to = SqrNone;
};

/// Reads `info ... depth <d> ... pv <m1> ...`; nothing for any other line, and
/// nothing for one whose depth or first move is missing or malformed.
std::optional<TInfoLine> ReadInfoLine(std::string_view line);
