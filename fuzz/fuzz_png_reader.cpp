// Feeds arbitrary bytes to the PNG reader; the sanitizers catch bad memory use and leaks across
// libpng's jumps, and a decoded bitmap must be self-consistent. A picture read again after it is
// written must come back the same, with the text it was written with.
#include <cstddef>
#include <cstdint>

#include "invariant.h"
#include "platform/png_reader.h"
#include "platform/png_writer.h"

namespace {

constexpr char kKeyword[] = "Tintara skin";

bool IsConsistent(const tintara::Bitmap& bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0) return false;
  const std::size_t area =
      static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
  if (area > tintara::kMaxBmpPixels) return false;
  if (!bitmap.hasColourTable()) {
    if (bitmap.bitsPerPixel != 24 && bitmap.bitsPerPixel != 32) return false;
    for (const std::uint32_t pixel : bitmap.pixels) {
      if ((pixel >> 24) != 0xFF) return false;
    }
    return bitmap.pixels.size() == area && bitmap.indices.empty() && bitmap.colourTable.empty();
  }
  const std::size_t capacity = std::size_t{1} << bitmap.bitsPerPixel;
  for (const tintara::ColourTableEntry& entry : bitmap.colourTable) {
    if (entry.reserved != 0) return false;
  }
  return bitmap.indices.size() == area && bitmap.pixels.empty() && !bitmap.colourTable.empty() &&
         bitmap.colourTable.size() <= capacity;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto reading = tintara::DecodePng({data, size}, kKeyword);
  if (!reading) return 0;
  const tintara::Bitmap& bitmap = reading->bitmap;
  Check(IsConsistent(bitmap), "a decoded bitmap is self-consistent");
  // Small pictures only: writing is not what is fuzzed here.
  if (static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height) > 4096) {
    return 0;
  }
  tintara::Bitmap written = bitmap;
  if (written.hasColourTable()) {
    written.bitsPerPixel = 8;
    for (std::uint8_t& index : written.indices) {
      index = static_cast<std::uint8_t>(index % written.colourTable.size());
    }
  }
  const auto text =
      reading->text ? std::optional<tintara::PngText>({kKeyword, *reading->text}) : std::nullopt;
  const auto png = tintara::EncodePng(written, text);
  Check(png.has_value(), "what was read can be written");
  const auto again = tintara::DecodePng(*png, kKeyword);
  Check(again.has_value(), "what was written reads back");
  Check(again->bitmap.indices == written.indices && again->bitmap.pixels == written.pixels &&
            again->bitmap.colourTable == written.colourTable,
        "a picture reads back as it was written");
  Check(again->text == reading->text, "the text reads back as it was written");
  return 0;
}
