#include "platform/bmp_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tintara {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::uint32_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes.at(at) | (std::uint32_t{bytes.at(at + 1)} << 8);
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return U16At(bytes, at) | (U16At(bytes, at + 2) << 16);
}

// Index of pixel (x, y) is distinct per pixel so a swapped row or column shows.
Bitmap IndexedBitmap(int width, int height, int tableSize) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bitsPerPixel = 8;
  for (int i = 0; i < tableSize; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    bitmap.colourTable.push_back({v, static_cast<std::uint8_t>(v + 1),
                                  static_cast<std::uint8_t>(v + 2),
                                  static_cast<std::uint8_t>(i % 3)});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.indices.push_back(static_cast<std::uint8_t>(16 * y + x));
  }
  return bitmap;
}

Bitmap TrueColourBitmap(int width, int height) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bitsPerPixel = 24;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.pixels.push_back(0xFF000000u | (0x10u * y) << 16 | (0x20u + x) << 8 | 0x30u);
    }
  }
  return bitmap;
}

struct Size {
  int width;
  int height;
};

class EncodeBmpSizes : public ::testing::TestWithParam<Size> {};

TEST_P(EncodeBmpSizes, IndexedHeadersDescribeTheFile) {
  const auto [width, height] = GetParam();
  const std::vector<std::uint8_t> bytes = EncodeBmp(IndexedBitmap(width, height, 7));
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) + 3) / 4 * 4;
  const std::uint32_t offset = 14 + 40 + 7 * 4;

  ASSERT_EQ(bytes.size(), offset + rowSize * height);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(U32At(bytes, 2), bytes.size());
  EXPECT_EQ(U32At(bytes, 6), 0u);
  EXPECT_EQ(U32At(bytes, 10), offset);
  EXPECT_EQ(U32At(bytes, 14), 40u);
  EXPECT_EQ(U32At(bytes, 18), static_cast<std::uint32_t>(width));
  EXPECT_EQ(U32At(bytes, 22), static_cast<std::uint32_t>(height));
  EXPECT_EQ(U16At(bytes, 26), 1u);
  EXPECT_EQ(U16At(bytes, 28), 8u);
  EXPECT_EQ(U32At(bytes, 30), 0u);
  EXPECT_EQ(U32At(bytes, 34), rowSize * height);
  EXPECT_EQ(U32At(bytes, 38), 2835u);
  EXPECT_EQ(U32At(bytes, 42), 2835u);
  EXPECT_EQ(U32At(bytes, 46), 7u);
  EXPECT_EQ(U32At(bytes, 50), 0u);
}

TEST_P(EncodeBmpSizes, IndexedRowsRunBottomUpWithZeroPadding) {
  const auto [width, height] = GetParam();
  const Bitmap bitmap = IndexedBitmap(width, height, 2);
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  const std::size_t rowSize = (static_cast<std::size_t>(width) + 3) / 4 * 4;
  const std::size_t offset = U32At(bytes, 10);

  for (int fileRow = 0; fileRow < height; ++fileRow) {
    SCOPED_TRACE(fileRow);
    const int y = height - 1 - fileRow;
    const auto row = bytes.begin() + static_cast<std::ptrdiff_t>(offset + fileRow * rowSize);
    const std::vector<std::uint8_t> stored(row, row + static_cast<std::ptrdiff_t>(rowSize));
    std::vector<std::uint8_t> expected(bitmap.indices.begin() + y * width,
                                       bitmap.indices.begin() + (y + 1) * width);
    expected.resize(rowSize, 0);
    EXPECT_EQ(stored, expected);
  }
}

TEST_P(EncodeBmpSizes, TrueColourRowsAreBlueGreenRedBottomUpWithZeroPadding) {
  const auto [width, height] = GetParam();
  const Bitmap bitmap = TrueColourBitmap(width, height);
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  const std::size_t rowSize = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;

  ASSERT_EQ(bytes.size(), 54 + rowSize * height);
  EXPECT_EQ(U32At(bytes, 2), bytes.size());
  EXPECT_EQ(U32At(bytes, 10), 54u);
  EXPECT_EQ(U16At(bytes, 28), 24u);
  EXPECT_EQ(U32At(bytes, 34), rowSize * height);
  EXPECT_EQ(U32At(bytes, 46), 0u);
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    SCOPED_TRACE(fileRow);
    const int y = height - 1 - fileRow;
    std::vector<std::uint8_t> expected;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = bitmap.pixels[static_cast<std::size_t>(y * width + x)];
      expected.push_back(static_cast<std::uint8_t>(pixel));
      expected.push_back(static_cast<std::uint8_t>(pixel >> 8));
      expected.push_back(static_cast<std::uint8_t>(pixel >> 16));
    }
    expected.resize(rowSize, 0);
    const auto row = bytes.begin() + static_cast<std::ptrdiff_t>(54 + fileRow * rowSize);
    EXPECT_EQ(std::vector<std::uint8_t>(row, row + static_cast<std::ptrdiff_t>(rowSize)), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(AwkwardWidthsAndOddHeights, EncodeBmpSizes,
                         ::testing::Values(Size{1, 1}, Size{2, 3}, Size{3, 5}, Size{4, 1},
                                           Size{5, 7}, Size{55, 3}),
                         [](const ::testing::TestParamInfo<Size>& sizeInfo) {
                           return std::to_string(sizeInfo.param.width) + "x" +
                                  std::to_string(sizeInfo.param.height);
                         });

TEST(EncodeBmp, ColourTableKeepsItsOrderAndFourthBytes) {
  Bitmap bitmap = IndexedBitmap(1, 1, 0);
  bitmap.colourTable = {{0x11, 0x22, 0x33, 0x00}, {0x44, 0x55, 0x66, 0x01}};
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  ASSERT_GE(bytes.size(), 62u);
  EXPECT_THAT(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 62),
              ElementsAre(0x11, 0x22, 0x33, 0x00, 0x44, 0x55, 0x66, 0x01));
}

TEST(EncodeBmp, LowDepthPicturesAreWrittenAsEightBitsWithTheirWholeTable) {
  Bitmap bitmap = IndexedBitmap(3, 1, 16);
  bitmap.bitsPerPixel = 4;
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  EXPECT_EQ(U16At(bytes, 28), 8u);
  EXPECT_EQ(U32At(bytes, 46), 16u);
  EXPECT_EQ(U32At(bytes, 10), 54u + 64u);
  EXPECT_THAT(std::vector<std::uint8_t>(bytes.end() - 4, bytes.end()), ElementsAre(0, 1, 2, 0));
}

TEST(EncodeBmp, AFullTableOf256EntriesIsWrittenCompletely) {
  const Bitmap bitmap = IndexedBitmap(2, 2, 256);
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  EXPECT_EQ(U32At(bytes, 46), 256u);
  EXPECT_EQ(U32At(bytes, 10), 54u + 1024u);
  const std::size_t last = 54 + 255 * 4;
  EXPECT_THAT(std::vector<std::uint8_t>(bytes.begin() + last, bytes.begin() + last + 4),
              ElementsAreArray({255, 0, 1, 0}));
}

TEST(EncodeBmp, TooFewPixelsAreWrittenAsZeroWithoutReadingPastTheEnd) {
  Bitmap indexed = IndexedBitmap(3, 2, 2);
  indexed.indices.resize(2);
  const std::vector<std::uint8_t> indexedBytes = EncodeBmp(indexed);
  ASSERT_EQ(indexedBytes.size(), 54u + 8u + 8u);
  // The bottom row, first in the file, had no pixels left.
  EXPECT_THAT(std::vector<std::uint8_t>(indexedBytes.begin() + 62, indexedBytes.end()),
              ElementsAre(0, 0, 0, 0, 0, 1, 0, 0));

  Bitmap deep = TrueColourBitmap(2, 2);
  deep.pixels.clear();
  const std::vector<std::uint8_t> deepBytes = EncodeBmp(deep);
  ASSERT_EQ(deepBytes.size(), 54u + 16u);
  for (std::size_t i = 54; i < deepBytes.size(); ++i) EXPECT_EQ(deepBytes[i], 0) << i;
}

TEST(EncodeBmp, NegativeSizesGiveAnEmptyImage) {
  Bitmap bitmap = IndexedBitmap(0, 0, 1);
  bitmap.width = -4;
  bitmap.height = -2;
  const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
  EXPECT_EQ(bytes.size(), 58u);
  EXPECT_EQ(U32At(bytes, 18), 0u);
  EXPECT_EQ(U32At(bytes, 22), 0u);
  EXPECT_EQ(U32At(bytes, 34), 0u);
}

}  // namespace
}  // namespace tintara
