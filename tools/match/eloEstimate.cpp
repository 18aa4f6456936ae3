// The score s (a draw counting half) is the expected score of a player
// 400 * log10(s / (1 - s)) Elo stronger. The interval is that of the mean of
// the games' results under the normal approximation, mapped the same way.

#include "eloEstimate.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr double EloScale = 400.0;
constexpr double NinetyFivePercent = 1.959964;
constexpr double DrawScore = 0.5;

double EloOfScore(double score)
{
    if (score <= 0.0)
        return -std::numeric_limits<double>::infinity();
    if (score >= 1.0)
        return std::numeric_limits<double>::infinity();
    return EloScale * std::log10(score / (1.0 - score));
}

std::string Signed(double value)
{
    if (std::isinf(value))
        return value > 0 ? "+inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", value);
    return text;
}

} // namespace

TEloEstimate EstimateElo(int wins, int draws, int losses)
{
    const double games = wins + draws + losses;
    const double score = (wins + DrawScore * draws) / games;
    const double variance = (wins * std::pow(1.0 - score, 2) + draws * std::pow(DrawScore - score, 2) +
                             losses * std::pow(score, 2)) /
                            games;
    const double margin = NinetyFivePercent * std::sqrt(variance / games);
    return {EloOfScore(score), EloOfScore(score - margin), EloOfScore(score + margin)};
}

std::string EloText(const TEloEstimate& estimate)
{
    return Signed(estimate.elo) + " (95 %: " + Signed(estimate.low) + " to " + Signed(estimate.high) + ")";
}
