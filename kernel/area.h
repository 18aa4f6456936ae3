#pragma once
// The rectangle between two squares, as castling looks at it.

#include <algorithm>
#include <cstdlib>

#include "square.h"

/// True when the two squares are at most one step apart in both directions.
constexpr bool AreNeighbours(Square sq1, Square sq2)
{
    return std::abs(FileOf(sq2) - FileOf(sq1)) <= 1 && std::abs(RankOf(sq2) - RankOf(sq1)) <= 1;
}

/// Whether test holds for some square of the rectangle spanned by sq1 and sq2,
/// leaving out sq1 and, unless includeEnd, sq2. Stops at the first such square.
template <typename Test> bool AnySquareOfArea(Square sq1, Square sq2, bool includeEnd, Test test)
{
    const int x1 = FileOf(sq1), y1 = RankOf(sq1), x2 = FileOf(sq2), y2 = RankOf(sq2);
    for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
            const Square sq = SquareAt(x, y);
            if (sq == sq1 || (sq == sq2 && !includeEnd))
                continue;
            if (test(sq))
                return true;
        }
    }
    return false;
}
