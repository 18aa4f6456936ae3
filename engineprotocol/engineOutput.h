#pragma once
// The lines the engine writes about its search.

#include <string>

#include "engineSearch.h"

/// "info depth 5 score cp 31 nodes 81234 nps 402000 time 202 pv E04E06 ...";
/// a forced result reads "score win <moves>" or "score loss <moves>".
std::string InfoLine(const TIterationReport& report);

/// "bestmove E04E06", or "bestmove none" when the player had no legal move.
std::string BestMoveLine(const TEngineMove& move);
