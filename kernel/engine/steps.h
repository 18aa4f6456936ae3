#pragma once
// The steps of the pieces in cell offsets. A step of dx files and dy ranks
// is dx - dy * Stride cells, since rank 16 is the top row of the cells.

#include <array>

#include "engineBoard.h"

namespace engine {

/// The cell offset of dx files and dy ranks.
constexpr int StepOf(int dx, int dy)
{
    return dx - dy * Stride;
}

/// The sixteen leaps of a knight: (1, 4), (4, 1), (2, 3) and (3, 2) every way.
inline constexpr std::array<int, 16> KnightSteps = {
    StepOf(1, 4),  StepOf(1, -4),  StepOf(-1, 4), StepOf(-1, -4), StepOf(4, 1),  StepOf(4, -1),
    StepOf(-4, 1), StepOf(-4, -1), StepOf(2, 3),  StepOf(2, -3),  StepOf(-2, 3), StepOf(-2, -3),
    StepOf(3, 2),  StepOf(3, -2),  StepOf(-3, 2), StepOf(-3, -2)};

/// The four diagonal directions.
inline constexpr std::array<int, 4> DiagonalSteps = {StepOf(1, 1), StepOf(-1, 1), StepOf(1, -1),
                                                     StepOf(-1, -1)};
/// The four straight directions.
inline constexpr std::array<int, 4> StraightSteps = {StepOf(1, 0), StepOf(-1, 0), StepOf(0, 1),
                                                     StepOf(0, -1)};
/// The eight king steps.
inline constexpr std::array<int, 8> KingSteps = {StepOf(1, 1), StepOf(-1, 1), StepOf(1, -1), StepOf(-1, -1),
                                                 StepOf(1, 0), StepOf(-1, 0), StepOf(0, 1),  StepOf(0, -1)};

/// True when a slider of the kind (Bishop, Rook or Queen) moves along
/// direction index d of KingSteps (0..3 diagonal, 4..7 straight).
constexpr bool SlidesAlong(int kind, int d)
{
    return kind == Queen || (kind == Bishop) == (d < 4);
}

/// A king's double step: its destination and the squares it may pass
/// through (at least one must be empty); unused passes are 0.
struct TDoubleStep {
    int to;
    std::array<int, 3> via;
    int viaCount;
};

namespace detail {
constexpr std::array<TDoubleStep, 16> DoubleStepTable()
{
    std::array<TDoubleStep, 16> table{};
    int n = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
            if (ax < 2 && ay < 2)
                continue;
            // Halves drop their remainder towards zero, as the rule is written.
            const int mx = dx / 2, my = dy / 2;
            TDoubleStep step{StepOf(dx, dy), {0, 0, 0}, 0};
            if (ax == 2 && ay == 2) {
                step.via = {StepOf(mx, my), 0, 0};
                step.viaCount = 1;
            } else if (ax == 2 && ay == 1) {
                step.via = {StepOf(mx, my), StepOf(mx, dy), 0};
                step.viaCount = 2;
            } else if (ax == 1 && ay == 2) {
                step.via = {StepOf(mx, my), StepOf(dx, my), 0};
                step.viaCount = 2;
            } else if (dx == 0) {
                step.via = {StepOf(-1, my), StepOf(0, my), StepOf(1, my)};
                step.viaCount = 3;
            } else {
                step.via = {StepOf(mx, -1), StepOf(mx, 0), StepOf(mx, 1)};
                step.viaCount = 3;
            }
            table[static_cast<std::size_t>(n++)] = step;
        }
    }
    return table;
}
} // namespace detail

/// The sixteen double steps of a king.
inline constexpr std::array<TDoubleStep, 16> KingDoubleSteps = detail::DoubleStepTable();

} // namespace engine
