#pragma once
// Sets of board squares as four 64-bit words (square index 0..255, A16 first):
// asking whether a piece of some kind stands anywhere among a few dozen
// squares costs four ANDs instead of a walk.

#include <array>
#include <cstdint>

#include "engineBoard.h"

namespace engine {

/// A set of board squares, 64 to a word.
using TSquareSet = std::array<std::uint64_t, 4>;

/// The index (0..255) of a board cell's square in a TSquareSet.
constexpr int SetIndexOfCell(int cell)
{
    return SquareOfCell[static_cast<std::size_t>(cell)] - 1;
}

/// Puts the square of index into the set, or takes it out.
constexpr void MarkSquare(TSquareSet& set, int index, bool present)
{
    const std::uint64_t bit = std::uint64_t{1} << (index % 64);
    std::uint64_t& word = set[static_cast<std::size_t>(index / 64)];
    word = present ? word | bit : word & ~bit;
}

/// True when the two sets share a square.
constexpr bool Meets(const TSquareSet& a, const TSquareSet& b)
{
    return ((a[0] & b[0]) | (a[1] & b[1]) | (a[2] & b[2]) | (a[3] & b[3])) != 0;
}

/// For each square index, the squares whose row and file offsets from it
/// satisfy `related(dx, dy)`; off the board nothing is added.
template <class TRelated> constexpr std::array<TSquareSet, SquareCount> SquareSetTable(TRelated related)
{
    std::array<TSquareSet, SquareCount> table{};
    for (int index = 0; index < SquareCount; ++index) {
        for (int other = 0; other < SquareCount; ++other) {
            const int dx = other % BoardSize - index % BoardSize, dy = other / BoardSize - index / BoardSize;
            if (related(dx, dy))
                MarkSquare(table[static_cast<std::size_t>(index)], other, true);
        }
    }
    return table;
}

namespace detail {
constexpr bool KnightLeap(int dx, int dy)
{
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    return (ax == 1 && ay == 4) || (ax == 4 && ay == 1) || (ax == 2 && ay == 3) || (ax == 3 && ay == 2);
}
} // namespace detail

/// For each square index, the squares a knight's leap away.
inline constexpr std::array<TSquareSet, SquareCount> KnightLeaps = SquareSetTable(detail::KnightLeap);

} // namespace engine
