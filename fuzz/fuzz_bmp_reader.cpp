// Feeds arbitrary bytes to the BMP reader; the sanitizers catch bad memory use, and a decoded
// bitmap must be self-consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/bmp_reader.h"

namespace {

bool IsConsistent(const tintara::Bitmap& bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0) return false;
  const std::size_t area =
      static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
  if (!bitmap.hasColourTable()) {
    return bitmap.pixels.size() == area && bitmap.indices.empty() && bitmap.colourTable.empty();
  }
  const std::size_t capacity = std::size_t{1} << bitmap.bitsPerPixel;
  return bitmap.indices.size() == area && bitmap.pixels.empty() && !bitmap.colourTable.empty() &&
         bitmap.colourTable.size() <= capacity;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = tintara::DecodeBmp({data, size});
  if (bitmap && !IsConsistent(*bitmap)) std::abort();
  return 0;
}
