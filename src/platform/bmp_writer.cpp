#include "platform/bmp_writer.h"

#include <algorithm>
#include <cstddef>

namespace tintara {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetreAt72Dpi = 2835;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

// Rows of a BMP file start on 4-byte boundaries.
std::uint32_t PaddedRowSize(int width, int bytesPerPixel) {
  return (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bytesPerPixel) + 3u) & ~3u;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
  const bool indexed = bitmap.hasColourTable();
  const int bytesPerPixel = indexed ? 1 : 3;
  // An 8-bit file holds at most 256 colour-table entries.
  const std::size_t tableEntries =
      indexed ? std::min<std::size_t>(bitmap.colourTable.size(), 256) : 0;
  // A bitmap with a negative size or too few pixels is written, not read past its end: missing
  // pixels come out as index 0 or black.
  const int width = std::max(bitmap.width, 0);
  const int height = std::max(bitmap.height, 0);
  const std::uint32_t rowSize = PaddedRowSize(width, bytesPerPixel);
  const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
  const auto pixelOffset =
      static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * tableEntries);

  std::vector<std::uint8_t> out;
  out.reserve(pixelOffset + imageSize);

  out.push_back('B');
  out.push_back('M');
  PutU32(out, pixelOffset + imageSize);
  PutU32(out, 0);  // two reserved words
  PutU32(out, pixelOffset);

  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));  // positive: bottom row first
  PutU16(out, 1);                                   // planes
  PutU16(out, static_cast<std::uint32_t>(bytesPerPixel * 8));
  PutU32(out, 0);  // uncompressed
  PutU32(out, imageSize);
  PutU32(out, static_cast<std::uint32_t>(kPixelsPerMetreAt72Dpi));
  PutU32(out, static_cast<std::uint32_t>(kPixelsPerMetreAt72Dpi));
  PutU32(out, static_cast<std::uint32_t>(tableEntries));  // colours used
  PutU32(out, 0);                                         // all colours important

  for (std::size_t i = 0; i < tableEntries; ++i) {
    const ColourTableEntry& entry = bitmap.colourTable[i];
    out.push_back(entry.blue);
    out.push_back(entry.green);
    out.push_back(entry.red);
    out.push_back(entry.reserved);
  }

  const auto columns = static_cast<std::size_t>(width);
  const std::size_t padding = rowSize - columns * static_cast<std::size_t>(bytesPerPixel);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t rowStart = static_cast<std::size_t>(y) * columns;
    for (std::size_t x = 0; x < columns; ++x) {
      const std::size_t at = rowStart + x;
      if (indexed) {
        out.push_back(at < bitmap.indices.size() ? bitmap.indices[at] : 0);
      } else {
        const std::uint32_t pixel = at < bitmap.pixels.size() ? bitmap.pixels[at] : 0;
        out.push_back(static_cast<std::uint8_t>(pixel));
        out.push_back(static_cast<std::uint8_t>(pixel >> 8));
        out.push_back(static_cast<std::uint8_t>(pixel >> 16));
      }
    }
    out.insert(out.end(), padding, 0);
  }
  return out;
}

}  // namespace tintara
