#pragma once
// Which sides of the board carry file letters and rank numbers.

#include <cstdint>
#include <initializer_list>

/// A side of the board that can show coordinates.
enum DisplayCoords : std::uint8_t { West = 0, North = 1, East = 2, South = 3 };

/// A set of sides, one bit per DisplayCoords value (bit n for value n).
class CoordSet {
public:
    /// The empty set: no coordinates anywhere.
    constexpr CoordSet() = default;
    /// The set holding exactly the given sides.
    constexpr CoordSet(std::initializer_list<DisplayCoords> sides)
    {
        for (const DisplayCoords side : sides)
            _bits = static_cast<std::uint8_t>(_bits | Bit(side));
    }
    /// The set whose bits are the low four bits of value; higher bits are no side and are dropped.
    static constexpr CoordSet FromBits(std::uint8_t value)
    {
        CoordSet set;
        set._bits = static_cast<std::uint8_t>(value & AllBits);
        return set;
    }
    /// Every side: West, North, East and South.
    static constexpr CoordSet All() { return FromBits(AllBits); }

    /// The bits of the set, bit n for side n.
    constexpr std::uint8_t Bits() const { return _bits; }
    constexpr bool Contains(DisplayCoords side) const { return (_bits & Bit(side)) != 0; }
    constexpr bool Empty() const { return _bits == 0; }
    /// A copy with the side added.
    constexpr CoordSet With(DisplayCoords side) const
    {
        return FromBits(static_cast<std::uint8_t>(_bits | Bit(side)));
    }
    /// A copy with the side removed.
    constexpr CoordSet Without(DisplayCoords side) const
    {
        return FromBits(static_cast<std::uint8_t>(_bits & ~Bit(side)));
    }
    friend constexpr bool operator==(CoordSet, CoordSet) = default;

private:
    static constexpr std::uint8_t AllBits = 0x0F;
    static constexpr std::uint8_t Bit(DisplayCoords side)
    {
        return static_cast<std::uint8_t>(1u << (static_cast<unsigned>(side) & 3u));
    }
    std::uint8_t _bits = 0;
};

static_assert(CoordSet{West, South}.Bits() == 0x09);
static_assert(CoordSet::FromBits(0xFF) == CoordSet::All());
