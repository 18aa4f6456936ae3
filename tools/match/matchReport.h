#pragma once
// The text a match prints: a heading with the settings, one line per game and
// Markdown tables of the totals.

#include <string>
#include <vector>

#include "matchGame.h"
#include "matchOptions.h"

/// The settings of the run, one line.
std::string HeadingLine(const TMatchOptions& options);

/// One game: number, arrangement, turn setting, engine colour, result, how it
/// ended, moves, seconds and the engine's mean search depth.
std::string GameLine(const TGameRecord& record);

/// "won", "drawn" or "lost".
std::string ResultName(TEngineResult result);
/// A short name of how a game ended, e.g. "kings captured".
std::string ReasonName(TEndReason reason);

/// Markdown tables of games, won, drawn and lost: by arrangement with a total
/// row, by turn setting, by the engine's colour, and the ways the games ended;
/// then the engine's Elo difference with its 95 % interval.
std::string SummaryTables(const std::vector<TGameRecord>& records);
