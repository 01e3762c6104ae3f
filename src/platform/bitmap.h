#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace tintara {

// One colour-table entry exactly as a BMP file stores it, the fourth byte included.
struct ColourTableEntry {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t reserved = 0;

  constexpr Colour colour() const { return MakeColour(red, green, blue); }
  friend constexpr bool operator==(const ColourTableEntry&, const ColourTableEntry&) = default;
};

// A decoded bitmap. Pictures of 8 bits per pixel or fewer keep their colour table and one index
// byte per pixel; deeper pictures have no colour table and keep display pixels. Rows run top to
// bottom whatever the file's row order.
struct Bitmap {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;                       // as stored in the file: 1, 4, 8, 16, 24 or 32
  std::vector<ColourTableEntry> colourTable;  // <= 8 bits per pixel only; at most 256 entries
  std::vector<std::uint8_t> indices;          // <= 8 bits per pixel: width * height indices
  std::vector<std::uint32_t> pixels;          // > 8 bits per pixel: width * height 0xFFRRGGBB

  bool hasColourTable() const { return bitsPerPixel > 0 && bitsPerPixel <= 8; }
  bool empty() const { return width == 0 || height == 0; }
};

}  // namespace tintara
