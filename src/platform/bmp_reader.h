#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/bitmap.h"
#include "platform/problem.h"

namespace tintara {

// The largest picture this program takes: what it can show and paint (8192 x 8192, say).
inline constexpr std::uint64_t kMaxBmpPixels = std::uint64_t{1} << 26;
// The largest file that can hold such a picture: 32 bits a pixel, with room for the headers, the
// colour table and a gap before the pixels. Larger files are refused before they are read.
inline constexpr std::size_t kMaxBmpFileBytes = kMaxBmpPixels * 4 + (std::size_t{1} << 20);

// What a reading takes. A picture of more than maxPixels pixels is refused from its header. With
// colourTableOnly, a picture without a colour table comes back as its header alone (its size and
// depth, no pixels): a caller that can only use a colour table turns it away without the cost of
// decoding it.
struct PictureLimits {
  std::uint64_t maxPixels = kMaxBmpPixels;
  bool colourTableOnly = false;
};

// The problem of a picture larger than a reading takes, in the same words for every format.
Problem PictureTooLarge(std::uint64_t width, std::uint64_t height);

// Decodes a BMP file held in memory. The problem, in words for the user ("not a BMP file"), when
// the data is not a bitmap this reader supports, is larger than the limits take (told from the
// header) or is damaged in any way. It never reads or writes out of bounds, and allocates for the
// pixels only once their data has been checked.
Expected<Bitmap> DecodeBmp(std::span<const std::uint8_t> bytes, const PictureLimits& limits = {});

// A BMP file read and decoded, or why not ("the file does not exist", "not a BMP file"), naming
// the path. The pixel rows go from the file straight into the bitmap; a file that shrinks while it
// is read reads as one cut short.
Expected<Bitmap> ReadBmpFile(const std::string& path, const PictureLimits& limits = {});

}  // namespace tintara
