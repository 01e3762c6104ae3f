#pragma once

// Builds BMP files byte by byte for the reader's tests, independently of the program's writer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace tintara::bmp_test {

struct BmpFields {
  std::uint32_t headerSize = 40;  // 12 writes the core header and 3-byte table entries
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative for top-down rows
  std::uint16_t planes = 1;
  std::uint16_t bitsPerPixel = 8;
  std::uint32_t compression = 0;
  std::uint32_t clrUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // in the header from 52 bytes up
  std::vector<std::uint32_t> masksAfterHeader;
  std::vector<ColourTableEntry> colourTable;
  std::vector<std::uint8_t> pixelData;  // exactly as stored
};

// Offsets of the file header's fields and of the info header's fields within the file.
inline constexpr std::size_t kSizeAt = 2;
inline constexpr std::size_t kPixelOffsetAt = 10;
inline constexpr std::size_t kHeaderSizeAt = 14;
inline constexpr std::size_t kWidthAt = 18;
inline constexpr std::size_t kHeightAt = 22;
inline constexpr std::size_t kPlanesAt = 26;
inline constexpr std::size_t kBitsAt = 28;
inline constexpr std::size_t kCompressionAt = 30;
inline constexpr std::size_t kClrUsedAt = 46;
inline constexpr std::size_t kMasksAt = 54;

inline void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v);
  Put16(out, at + 2, v >> 16);
}

inline void Append32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.resize(out.size() + 4);
  Put32(out, out.size() - 4, v);
}

inline std::vector<std::uint8_t> BuildBmp(const BmpFields& f) {
  std::vector<std::uint8_t> out(14 + f.headerSize);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, kHeaderSizeAt, f.headerSize);
  if (f.headerSize == 12) {
    Put16(out, 18, static_cast<std::uint32_t>(f.width));
    Put16(out, 20, static_cast<std::uint32_t>(f.height));
    Put16(out, 22, f.planes);
    Put16(out, 24, f.bitsPerPixel);
  } else {
    Put32(out, kWidthAt, static_cast<std::uint32_t>(f.width));
    Put32(out, kHeightAt, static_cast<std::uint32_t>(f.height));
    Put16(out, kPlanesAt, f.planes);
    Put16(out, kBitsAt, f.bitsPerPixel);
    Put32(out, kCompressionAt, f.compression);
    Put32(out, 34, static_cast<std::uint32_t>(f.pixelData.size()));
    Put32(out, kClrUsedAt, f.clrUsed);
    if (f.headerSize >= 52) {
      for (std::size_t c = 0; c < 3; ++c) Put32(out, kMasksAt + 4 * c, f.masks[c]);
    }
  }
  for (std::uint32_t mask : f.masksAfterHeader) Append32(out, mask);
  for (const ColourTableEntry& e : f.colourTable) {
    out.insert(out.end(), {e.blue, e.green, e.red});
    if (f.headerSize != 12) out.push_back(e.reserved);
  }
  Put32(out, kPixelOffsetAt, static_cast<std::uint32_t>(out.size()));
  out.insert(out.end(), f.pixelData.begin(), f.pixelData.end());
  Put32(out, kSizeAt, static_cast<std::uint32_t>(out.size()));
  return out;
}

// Packs rows of values (top row first, `bits` each, most significant first) into stored rows
// padded to four bytes, bottom row first unless `topDown`.
inline std::vector<std::uint8_t> PackRows(const std::vector<std::uint32_t>& values, int width,
                                          int height, int bits, bool topDown) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  std::vector<std::uint8_t> out(stride * height);
  for (int row = 0; row < height; ++row) {
    const std::size_t stored = topDown ? row : height - 1 - row;
    std::uint8_t* line = out.data() + stored * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = values[static_cast<std::size_t>(row * width + x)];
      if (bits < 8) {
        const int shift = 8 - bits - (x * bits) % 8;
        line[x * bits / 8] |= static_cast<std::uint8_t>(v << shift);
      } else {
        for (int b = 0; b < bits / 8; ++b)
          line[x * bits / 8 + b] = static_cast<std::uint8_t>(v >> (8 * b));
      }
    }
  }
  return out;
}

}  // namespace tintara::bmp_test
