#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/bitmap.h"

namespace tintara {

// The bitmap as a PNG file: a bitmap with a colour table as an 8-bit palette PNG of its indices
// and its table (1 to 256 entries, each index within it), a deeper one as 8-bit RGB. Nothing when
// the bitmap is empty or libpng refuses it.
std::optional<std::vector<std::uint8_t>> EncodePng(const Bitmap& bitmap);

}  // namespace tintara
