#pragma once
// How two board cells lie to each other: on a common line (which direction,
// how far) or a knight's leap apart. The attack test asks this of the other
// side's pieces instead of walking every direction from the cell.

#include <array>
#include <cstdint>

#include "engineBoard.h"
#include "steps.h"

namespace engine {

/// A cell's rank row and file packed as row * 32 + file: unlike cell numbers,
/// differences of these name one file and rank offset each.
inline constexpr int CompactRow = 32;

namespace detail {
constexpr std::array<std::int16_t, CellCount> CompactTable()
{
    std::array<std::int16_t, CellCount> table{};
    for (int sq = 1; sq <= SquareCount; ++sq)
        table[static_cast<std::size_t>(CellOf(sq))] =
            static_cast<std::int16_t>(((sq - 1) / BoardSize) * CompactRow + (sq - 1) % BoardSize);
    return table;
}
} // namespace detail

/// The packed position of each board cell (meaningless for guard cells).
inline constexpr std::array<std::int16_t, CellCount> CompactOf = detail::CompactTable();

/// How a cell lies as seen from another.
struct TRelation {
    std::int8_t direction = -1; ///< index into KingSteps from the first cell towards it; -1 off every line
    std::uint8_t distance = 0;  ///< steps along that line
    bool knightLeap = false;    ///< one knight's leap away
};

/// The largest difference of packed positions between two board cells.
inline constexpr int MaxCompactDelta = (BoardSize - 1) * CompactRow + BoardSize - 1;

namespace detail {
constexpr std::array<TRelation, 2 * MaxCompactDelta + 1> RelationTable()
{
    std::array<TRelation, 2 * MaxCompactDelta + 1> table{};
    for (int dy = -(BoardSize - 1); dy < BoardSize; ++dy) {
        for (int dx = -(BoardSize - 1); dx < BoardSize; ++dx) {
            if (dx == 0 && dy == 0)
                continue;
            TRelation& r = table[static_cast<std::size_t>(dy * CompactRow + dx + MaxCompactDelta)];
            const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
            r.knightLeap =
                (ax == 1 && ay == 4) || (ax == 4 && ay == 1) || (ax == 2 && ay == 3) || (ax == 3 && ay == 2);
            if (ax != 0 && ay != 0 && ax != ay)
                continue;
            // Rows count down the board, so a row further on is a rank lower.
            const int unit = ((dx > 0) - (dx < 0)) + ((dy > 0) - (dy < 0)) * Stride;
            for (int d = 0; d < 8; ++d) {
                if (KingSteps[static_cast<std::size_t>(d)] == unit)
                    r.direction = static_cast<std::int8_t>(d);
            }
            r.distance = static_cast<std::uint8_t>(ax > ay ? ax : ay);
        }
    }
    return table;
}
} // namespace detail

inline constexpr std::array<TRelation, 2 * MaxCompactDelta + 1> Relations = detail::RelationTable();

/// How cell `to` lies as seen from cell `from` (both board cells).
constexpr const TRelation& RelationOf(int from, int to)
{
    return Relations[static_cast<std::size_t>(CompactOf[static_cast<std::size_t>(to)] -
                                              CompactOf[static_cast<std::size_t>(from)] + MaxCompactDelta)];
}

static_assert(RelationOf(CellOf(A16), CellOf(A16) + StepOf(3, -3)).direction == 2);
static_assert(RelationOf(CellOf(A16), CellOf(A16) + StepOf(3, -3)).distance == 3);
static_assert(RelationOf(CellOf(H08), CellOf(H08) + StepOf(-2, 0)).direction == 5);
static_assert(RelationOf(CellOf(H08), CellOf(H08) + StepOf(2, 3)).knightLeap);
static_assert(RelationOf(CellOf(H08), CellOf(H08) + StepOf(2, 3)).direction == -1);

} // namespace engine
