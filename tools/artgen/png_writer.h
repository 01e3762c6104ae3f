#pragma once

#include <cstdint>
#include <vector>

namespace tintara::artgen {

// A picture as PNG file contents, 8 bits a channel. Pixels are 0xAARRGGBB, rows top to bottom.
// EncodePng writes RGB and ignores the alpha byte; EncodePngWithAlpha keeps it. Empty when the
// picture cannot be encoded.
std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels);
std::vector<std::uint8_t> EncodePngWithAlpha(int width, int height,
                                             const std::vector<std::uint32_t>& pixels);

}  // namespace tintara::artgen
