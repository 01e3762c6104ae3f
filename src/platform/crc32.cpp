#include "platform/crc32.h"

#include <zlib.h>

#include <algorithm>

namespace tintara {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  uLong crc = crc32(0, Z_NULL, 0);
  // zlib counts in unsigned int; longer spans go in pieces.
  constexpr std::size_t kPiece = std::size_t{1} << 30;
  for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
    const std::size_t length = std::min(kPiece, bytes.size() - at);
    crc = crc32(crc, bytes.data() + at, static_cast<uInt>(length));
  }
  return static_cast<std::uint32_t>(crc);
}

}  // namespace tintara
