#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/bmp_reader.h"
#include "platform/problem.h"

namespace tintara {

// PNG stores its pixels compressed: a file that holds a picture the program takes is smaller than
// the BMP of that picture. Larger files are refused before they are read.
inline constexpr std::size_t kMaxPngFileBytes = kMaxBmpFileBytes;

// A decoded PNG file, and the text of its text chunk with the keyword asked for, when it has one.
struct PngReading {
  Bitmap bitmap;
  std::optional<std::string> text;
};

// Whether the bytes begin with the PNG signature.
bool HasPngSignature(std::span<const std::uint8_t> head);
// Whether the file begins with the PNG signature, or why it cannot be read, naming the path.
Expected<bool> IsPngFile(const std::string& path);

// Decodes a PNG file held in memory. A palette picture keeps its palette as the colour table and
// one index a pixel (1-, 2- and 4-bit pixels spread to a byte each), with the bits a pixel of the
// file; any other picture (grey, RGB, with alpha, 16 bits a channel) gives display pixels at 8
// bits a channel, alpha dropped, and 32 bits a pixel when it had alpha, else 24. The problem, in
// words for the user ("not a PNG file"), when the data is not a PNG, is larger than the limits take
// (see PictureLimits, which also says what colourTableOnly leaves out) or wider than 2^20 pixels
// (told before anything is allocated for the pixels) or is damaged or cut short in any way; the
// pixels are allocated only once the first row has decoded. Of the other chunks only tEXt is read,
// and only when a keyword is asked for: a text of up to 1 MB.
Expected<PngReading> DecodePng(std::span<const std::uint8_t> bytes,
                               std::string_view textKeyword = {}, const PictureLimits& limits = {});

// A PNG file read and decoded, or why not ("the file does not exist", "not a PNG file"), naming
// the path. It is read a piece at a time, never held whole.
Expected<PngReading> ReadPngFile(const std::string& path, std::string_view textKeyword = {},
                                 const PictureLimits& limits = {});

}  // namespace tintara
