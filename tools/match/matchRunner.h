#pragma once
// Runs the games of a match, several at once when asked, each game on its
// own board with its own searches or programs.

#include <functional>
#include <vector>

#include "matchGame.h"
#include "matchOptions.h"

/// Called once per finished game, never from two threads at once.
using TGameFinished = std::function<void(const TGameRecord&)>;

/// Plays options.games games on options.threads threads and returns their
/// records in game order.
std::vector<TGameRecord> RunMatch(const TMatchOptions& options, const TGameFinished& onFinished);
