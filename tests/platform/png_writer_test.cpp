#include "platform/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

namespace tintara {
namespace {

// The pixels as libpng reads them back, 0xAARRGGBB.
std::vector<std::uint32_t> ReadBackWithAlpha(const std::vector<std::uint8_t>& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint32_t> pixels(std::size_t{image.width} * image.height);
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  return pixels;
}

TEST(PngWriter, KeepsEveryPixelsAlphaWhenAskedTo) {
  Bitmap bitmap;
  bitmap.width = 3;
  bitmap.height = 1;
  bitmap.bitsPerPixel = 32;
  bitmap.pixels = {0x00000000, 0x80102030, 0xFFFFFFFF};
  const auto png = EncodePngWithAlpha(bitmap);
  ASSERT_TRUE(png);
  EXPECT_EQ(ReadBackWithAlpha(*png), bitmap.pixels);
}

}  // namespace
}  // namespace tintara
