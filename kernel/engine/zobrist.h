#pragma once
// Zobrist keys: one fixed random number per (content, square) pair, so that a
// position's key is the XOR of the numbers of what stands where and a move
// updates it with a few XORs. The numbers are made at compile time from a
// fixed seed: the same position has the same key in every run.

#include <array>
#include <cstdint>

#include "engineBoard.h"

namespace engine {

namespace detail {
constexpr std::uint64_t SplitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

template <std::size_t N> constexpr std::array<std::uint64_t, N> RandomTable(std::uint64_t seed)
{
    std::array<std::uint64_t, N> table{};
    for (std::uint64_t& value : table)
        value = SplitMix(seed);
    return table;
}
} // namespace detail

/// Owner classes of the keys: players '1'..'4' and anything else.
inline constexpr int OwnerClasses = 5;
/// Start-array letters that the rules read: P, p, K, k, R, r.
inline constexpr int StartLetters = 6;

/// Key of a code (0..15) on a square (0..255): index code * 256 + square - 1.
inline constexpr auto PlacementKeys = detail::RandomTable<16 * SquareCount>(0x5EED0001ULL);
/// Key of an owner class on a square: index class * 256 + square - 1.
inline constexpr auto OwnerKeys = detail::RandomTable<OwnerClasses * SquareCount>(0x5EED0002ULL);
/// Key of a start letter on a square: index letter * 256 + square - 1.
inline constexpr auto StartKeys = detail::RandomTable<StartLetters * SquareCount>(0x5EED0003ULL);

/// The placement key of one code on one square.
constexpr std::uint64_t PlacementKey(Code code, int square)
{
    return PlacementKeys[static_cast<std::size_t>(code) * SquareCount + static_cast<std::size_t>(square - 1)];
}

/// Owner class of an owner character.
constexpr int OwnerClass(char owner)
{
    return (owner >= '1' && owner <= '4') ? owner - '1' : 4;
}

/// The key of a piece's owner on a square.
constexpr std::uint64_t OwnerKey(char owner, int square)
{
    return OwnerKeys[static_cast<std::size_t>(OwnerClass(owner)) * SquareCount +
                     static_cast<std::size_t>(square - 1)];
}

/// Index of a start letter among the ones the rules read, -1 for the others.
constexpr int StartLetterIndex(char letter)
{
    switch (letter) {
    case 'P':
        return 0;
    case 'p':
        return 1;
    case 'K':
        return 2;
    case 'k':
        return 3;
    case 'R':
        return 4;
    case 'r':
        return 5;
    default:
        return -1;
    }
}

/// The key of a start letter on a square (0 for letters the rules never read).
constexpr std::uint64_t StartKey(char letter, int square)
{
    const int index = StartLetterIndex(letter);
    return index < 0 ? 0
                     : StartKeys[static_cast<std::size_t>(index) * SquareCount +
                                 static_cast<std::size_t>(square - 1)];
}

/// Mixes the turn state into one key.
constexpr std::uint64_t MixKey(std::uint64_t value)
{
    std::uint64_t state = value;
    return detail::SplitMix(state);
}

} // namespace engine
