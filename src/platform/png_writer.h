#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace tintara {

// A text chunk: a keyword of 1 to 79 Latin-1 characters and its text, without NUL characters.
struct PngText {
  std::string keyword;
  std::string text;
};

// The bitmap as a PNG file: a bitmap with a colour table as an 8-bit palette PNG of its indices
// and its table (1 to 256 entries, each index within it), a deeper one as 8-bit RGB; the text, if
// any, in an uncompressed text chunk before the pixels. Nothing when the bitmap is empty or libpng
// refuses it.
std::optional<std::vector<std::uint8_t>> EncodePng(const Bitmap& bitmap,
                                                   const std::optional<PngText>& text = {});

// A bitmap without a colour table as an 8-bit RGBA PNG, the top byte of each pixel its alpha
// (0xAARRGGBB): for pictures with transparent parts, such as the program's icons. Nothing when the
// bitmap has a colour table, is empty, or libpng refuses it.
std::optional<std::vector<std::uint8_t>> EncodePngWithAlpha(const Bitmap& bitmap);

}  // namespace tintara
