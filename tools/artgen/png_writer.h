#pragma once

#include <cstdint>
#include <vector>

namespace tintara::artgen {

// An RGB picture as PNG file contents: 8 bits a channel, the image data stored without
// compression. Pixels are 0xFFRRGGBB, rows top to bottom.
std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels);

}  // namespace tintara::artgen
