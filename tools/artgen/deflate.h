#pragma once

#include <cstdint>
#include <vector>

namespace tintara::artgen {

// The data as a zlib stream: one deflate block with the fixed Huffman codes and back references
// found by a greedy search, which shrinks flat pixel art and transparent margins many times over.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data);

}  // namespace tintara::artgen
