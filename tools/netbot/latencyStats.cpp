#include "latencyStats.h"

#include <algorithm>
#include <cmath>

qint64 TLatencyStats::Percentile(double fraction) const
{
    if (samples_.empty())
        return 0;
    std::vector<qint64> sorted = samples_;
    // Nearest rank: the smallest sample with at least `fraction` of all at or below it.
    const double rank = std::ceil(std::clamp(fraction, 0.0, 1.0) * static_cast<double>(sorted.size()));
    const std::size_t index = std::clamp<std::size_t>(static_cast<std::size_t>(rank), 1, sorted.size()) - 1;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(index), sorted.end());
    return sorted[index];
}
