#pragma once
// The parent side of the figures: starts this program again in child modes and reads what they print.

#include <QString>
#include <vector>

/// The milliseconds from starting a child process (with `mode`, in a fresh
/// home folder) to its first painted board, one entry per run.
std::vector<double> FirstPaintTimes(const QString& program, int runs,
                                    const QString& mode = QStringLiteral("--first-paint"));

/// Runs a child game of `moves` moves and returns everything it printed.
QString GameFigures(const QString& program, int moves);
