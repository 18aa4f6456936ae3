#pragma once
// The start of a game whose file does not record it (files written before
// games said how they began).

#include <optional>

#include "gameFileContent.h"

/// The catalogue game (any arrangement and row shift, the file's players per
/// team) whose start, with the first record's move made, gives the first
/// record; failing that, the first record with its move taken back. Start
/// times are the defaults of a new game, both increments the file's.
/// Nothing for a file without moves.
std::optional<TGameFileStart> InferredStart(const TGameFileContent& game);
