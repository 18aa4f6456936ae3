#pragma once
// Mobility of the long-range pieces: how many squares a bishop, rook or queen
// reaches along its lines, counted only a few squares out. The game keeps the
// sum up to date cell by cell (engineGame.cpp), so the evaluation reads it
// instead of walking every line at every position.

#include <array>
#include <cstdint>

#include "engineBoard.h"
#include "steps.h"

namespace engine {

/// Squares counted along a line; a capture counts only before this reach.
inline constexpr int MobilityReach = 3;

/// What a reachable square is worth to a piece of the kind (Bishop, Rook or Queen).
constexpr int MobilityWeight(int kind)
{
    constexpr int BishopMobility = 2, RookMobility = 2, QueenMobility = 1;
    return kind == Bishop ? BishopMobility : kind == Rook ? RookMobility : QueenMobility;
}

namespace detail {
constexpr std::array<std::uint8_t, Guard + 1> SlideMaskTable()
{
    std::array<std::uint8_t, Guard + 1> table{};
    for (int code = 0; code < Guard; ++code) {
        const int kind = KindOf(static_cast<Code>(code));
        if (kind != Bishop && kind != Rook && kind != Queen)
            continue;
        for (int d = 0; d < 8; ++d) {
            if (SlidesAlong(kind, d))
                table[static_cast<std::size_t>(code)] |= static_cast<std::uint8_t>(1 << d);
        }
    }
    return table;
}
} // namespace detail

/// For each code, bit d set when it is a slider moving along KingSteps[d];
/// 0 for every other code, guards included.
inline constexpr std::array<std::uint8_t, Guard + 1> SlideMask = detail::SlideMaskTable();

/// The squares one line from `from` gives a piece whose opponent is
/// `opponent`: the empty ones up to the reach, and a capture just before it.
inline int LineMobility(const Code* board, int from, int step, int opponent)
{
    const Code* at = board + from + step;
    int reach = 0;
    while (*at == Empty) {
        if (++reach == MobilityReach)
            break;
        at += step;
    }
    return reach + (reach < MobilityReach && IsSide(*at, opponent) ? 1 : 0);
}

} // namespace engine
