#pragma once
// Colours reach the board as the 32-bit values the game's settings have always
// used: 0x00BBGGRR, red in the low byte.

#include <QColor>
#include <cstdint>

/// A colour laid out 0x00BBGGRR. The high byte is not a colour and is dropped.
using TColor = std::uint32_t;

/// The part of a TColor that holds red, green and blue.
inline constexpr TColor ColorValueMask = 0x00FFFFFFu;

/// Builds a TColor from its three channels.
constexpr TColor PlatformRgb(int red, int green, int blue)
{
    return (static_cast<TColor>(blue & 0xFF) << 16) | (static_cast<TColor>(green & 0xFF) << 8) |
           static_cast<TColor>(red & 0xFF);
}

/// The opaque QColor of a TColor; the high byte is ignored.
constexpr QColor ColorFromPlatform(TColor value)
{
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

static_assert(PlatformRgb(0x87, 0xC2, 0xF0) == 0xF0C287u);
