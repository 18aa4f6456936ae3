#pragma once
// The load generator's measurements: how long each move took from being sent
// to its event coming back, and how many moves that was.

#include <QtGlobal>
#include <vector>

/// Latencies of moves, in microseconds.
class TLatencyStats {
public:
    /// Notes one move's latency.
    void Add(qint64 microseconds) { samples_.push_back(microseconds); }
    /// Moves noted.
    qsizetype Count() const { return static_cast<qsizetype>(samples_.size()); }
    /// The latency that `fraction` (0..1) of the moves did not exceed, by
    /// nearest rank; 0 when no move was noted.
    qint64 Percentile(double fraction) const;

private:
    std::vector<qint64> samples_;
};
