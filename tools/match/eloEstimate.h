#pragma once
// The Elo difference a match's score says, with its 95 % interval from the
// spread of the single games' results.

#include <string>

/// An Elo difference and its 95 % interval; a bound is infinite when the
/// interval reaches a score of nothing or of everything.
struct TEloEstimate {
    double elo = 0.0;
    double low = 0.0;
    double high = 0.0;
};

/// The engine's Elo difference to its opponent from its wins, draws and losses
/// (at least one game).
TEloEstimate EstimateElo(int wins, int draws, int losses);

/// "+35.2 (95 %: -10.4 to +81.9)", infinite bounds written as "-inf"/"+inf".
std::string EloText(const TEloEstimate& estimate);
