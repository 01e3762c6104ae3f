#include "bench_pictures.h"

#include <cstddef>
#include <cstdint>

#include "paint/image_loading.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

constexpr std::size_t kFirstMarkerPosition = 100;

// A small hash so that the picture is the same in every run.
std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return x;
}

}  // namespace

Bitmap SpritePicture(PictureSize size) {
  Bitmap bitmap;
  bitmap.width = size.width;
  bitmap.height = size.height;
  bitmap.bitsPerPixel = 8;
  for (std::uint32_t k = 0; k < 256; ++k) {
    const Colour c = 0x400000 + k * 0x000103;
    bitmap.colourTable.push_back({BlueOf(c), GreenOf(c), RedOf(c), 0});
  }
  for (std::size_t s = 0; s < kSlots.size(); ++s) {
    const Colour c = kSlots[s].set1Marker;
    bitmap.colourTable[kFirstMarkerPosition + s] = {BlueOf(c), GreenOf(c), RedOf(c), 0};
  }
  bitmap.indices.resize(std::size_t(size.width) * std::size_t(size.height));
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const std::size_t i = std::size_t(y) * std::size_t(size.width) + std::size_t(x);
      const std::uint32_t block = Mix(std::uint32_t(x / 8) * 7919u + std::uint32_t(y / 8));
      const std::uint32_t noise = Mix(std::uint32_t(i) ^ 0x9E3779B9u);
      const std::uint32_t index = i < 256 ? std::uint32_t(i) : noise % 8 == 0 ? noise >> 8 : block;
      bitmap.indices[i] = static_cast<std::uint8_t>(index);
    }
  }
  return bitmap;
}

PaintModel PaintedModel(PictureSize size) {
  PaintModel model;
  AdoptLoadedBitmap(model, SpritePicture(size));
  for (std::size_t s = 0; s < model.slots.size(); ++s) {
    const std::int32_t code = std::int32_t(17 + 13 * s);
    model.slots[s].code = code;
    model.slots[s].colour = ReferenceColour(code);
  }
  return model;
}

}  // namespace tintara
