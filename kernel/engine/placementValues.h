#pragma once
// Material and placement values of single pieces, in centipawns from White's
// side. They are kept up to date with every change of the board, so the
// cheap part of the evaluation costs nothing at a leaf.
//
// Material: pawn 100, knight 300 (its long leaps make it a fair piece but
// clumsy at short range), bishop 330, rook 500, queen 950. Kings carry no
// material here: what a king is worth depends on how many its team has left,
// which the evaluation weighs itself. Markers are worth nothing on their own.

#include <algorithm>
#include <array>
#include <cstdlib>

#include "engineBoard.h"

namespace engine {

/// Material by kind (index Pawn..Marker; 0 unused).
inline constexpr std::array<int, 8> MaterialValue = {0, 100, 300, 330, 500, 950, 0, 0};

namespace detail {
// Rings from the edge: 0 on the outer ring, 7 on the four centre squares.
constexpr int CentreRing(int file, int rank)
{
    const int fromEdgeX = std::min(file - 1, BoardSize - file);
    const int fromEdgeY = std::min(rank - 1, BoardSize - rank);
    return std::min(fromEdgeX, fromEdgeY);
}

// Value of a White piece of a kind on file x, rank y (White moves towards rank 16).
constexpr int WhiteValue(int kind, int x, int y)
{
    const int ring = CentreRing(x, y);
    switch (kind) {
    case Pawn: {
        // A pawn gains as it nears the far rank, and steeply over the last few steps.
        const int toGo = BoardSize - y;
        const int nearBonus = toGo <= 7 ? 2 * (8 - toGo) * (8 - toGo) : 0;
        const int centreFile = std::min(x - 1, BoardSize - x) >= 5 ? 4 : 0;
        return MaterialValue[Pawn] + 2 * (BoardSize - 1 - toGo) + nearBonus + centreFile;
    }
    case Knight:
        return MaterialValue[Knight] + 4 * ring;
    case Bishop:
        return MaterialValue[Bishop] + 3 * ring;
    case Rook:
        return MaterialValue[Rook] + ring;
    case Queen:
        return MaterialValue[Queen] + ring;
    case King:
        // A king that wanders from its home edge walks into the enemy's armies.
        return -8 * (y - 1);
    default:
        return 0;
    }
}

constexpr std::array<int, 16 * SquareCount> PlacementTable()
{
    std::array<int, 16 * SquareCount> table{};
    for (int kind = Pawn; kind <= Marker; ++kind) {
        for (int sq = 1; sq <= SquareCount; ++sq) {
            const int x = FileOf(sq), y = RankOf(sq);
            table[static_cast<std::size_t>(CodeOf(kind, WhiteSide)) * SquareCount +
                  static_cast<std::size_t>(sq - 1)] = WhiteValue(kind, x, y);
            // Black's pieces mirror White's across the middle of the board.
            table[static_cast<std::size_t>(CodeOf(kind, BlackSide)) * SquareCount +
                  static_cast<std::size_t>(sq - 1)] = -WhiteValue(kind, x, BoardSize + 1 - y);
        }
    }
    return table;
}
} // namespace detail

inline constexpr std::array<int, 16 * SquareCount> PlacementValues = detail::PlacementTable();

/// The signed (White positive) value of a code on a square.
constexpr int PlacementValue(Code code, int square)
{
    return PlacementValues[static_cast<std::size_t>(code) * SquareCount +
                           static_cast<std::size_t>(square - 1)];
}

} // namespace engine
