#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/bitmap.h"

namespace tintara {

// Decodes a BMP file held in memory. Nothing when the data is not a bitmap this reader supports
// or is damaged in any way; it never reads or writes out of bounds.
std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> bytes);

// Reads and decodes a BMP file; nothing when it cannot be read or decoded.
std::optional<Bitmap> ReadBmpFile(const std::string& path);

}  // namespace tintara
