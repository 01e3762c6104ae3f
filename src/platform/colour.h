#pragma once

#include <cstdint>

namespace tintara {

// A colour as the program stores it: red in bits 0..7, green in 8..15, blue in 16..23, top byte 0.
// Written in hexadecimal it reads BBGGRR.
using Colour = std::uint32_t;

constexpr Colour MakeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}
constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// The 32-bit pixel the display uses (opaque 0xFFRRGGBB).
constexpr std::uint32_t ToDisplayPixel(Colour c) {
  return 0xFF000000u | (std::uint32_t{RedOf(c)} << 16) | (std::uint32_t{GreenOf(c)} << 8) |
         BlueOf(c);
}
constexpr Colour FromDisplayPixel(std::uint32_t pixel) {
  return MakeColour(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                    static_cast<std::uint8_t>(pixel));
}

}  // namespace tintara
