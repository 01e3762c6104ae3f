#pragma once

#include <cstdint>
#include <span>

namespace tintara {

// The CRC-32 of zlib and of PNG's chunks.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

}  // namespace tintara
