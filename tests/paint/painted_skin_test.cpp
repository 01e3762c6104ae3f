#include "paint/painted_skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bmp_reader.h"

namespace tintara {
namespace {

// A painted table unlike any loaded table below: entry i is its own colour.
DisplayTable PaintedTable() {
  DisplayTable table;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto v = static_cast<std::uint32_t>(i);
    table[i] = 0xFF000000u | ((v * 37 + 5) % 256) << 16 | (255 - v) << 8 | (v * 11 + 3) % 256;
  }
  return table;
}

// A picture of width x height whose pixel i walks through `count` indices, stored as `bits` bits
// a pixel; every entry has its own colour and fourth byte.
Bitmap IndexedWork(int width, int height, int bits, std::size_t count) {
  Bitmap work;
  work.width = width;
  work.height = height;
  work.bitsPerPixel = bits;
  for (std::size_t i = 0; i < count; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    work.colourTable.push_back({v, static_cast<std::uint8_t>(v ^ 0x55),
                                static_cast<std::uint8_t>(v / 2),
                                static_cast<std::uint8_t>(i % 4)});
  }
  for (int i = 0; i < width * height; ++i) {
    work.indices.push_back(static_cast<std::uint8_t>((i * 7) % static_cast<int>(count)));
  }
  return work;
}

// A picture whose pixels match neither table, so that taking it for an indexed skin shows.
Picture PictureOf(int width, int height, std::uint32_t base) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  for (int i = 0; i < width * height; ++i) {
    picture.pixels.push_back(0xFF000000u | (base + static_cast<std::uint32_t>(i) * 0x010307u));
  }
  return picture;
}

// The table entry the skin should hold for position i: painted colour, loaded fourth byte.
ColourTableEntry PaintedEntry(const Bitmap& work, const DisplayTable& painted, std::size_t i) {
  const std::uint32_t pixel = painted[i];
  return {static_cast<std::uint8_t>(pixel), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel >> 16), work.colourTable[i].reserved};
}

TEST(PaintedSkin, KeepsEveryIndexAndTakesThePaintedColoursWithTheLoadedFourthBytes) {
  const Bitmap work = IndexedWork(9, 7, 8, 200);
  const DisplayTable painted = PaintedTable();
  const Bitmap skin = PaintedSkin(work, PictureOf(9, 7, 0x102030), painted, 1);
  EXPECT_EQ(skin.bitsPerPixel, 8);
  EXPECT_EQ(skin.width, 9);
  EXPECT_EQ(skin.height, 7);
  EXPECT_EQ(skin.indices, work.indices);
  ASSERT_EQ(skin.colourTable.size(), 200u);
  for (std::size_t i = 0; i < 200; ++i) {
    EXPECT_EQ(skin.colourTable[i], PaintedEntry(work, painted, i)) << i;
  }
  EXPECT_TRUE(skin.pixels.empty());
}

TEST(PaintedSkin, OneAndFourBitPicturesWidenToEightBitsWithTheSameIndices) {
  const DisplayTable painted = PaintedTable();
  for (const auto& [bits, count] : {std::pair{1, std::size_t{2}}, std::pair{4, std::size_t{11}}}) {
    SCOPED_TRACE(bits);
    const Bitmap work = IndexedWork(5, 3, bits, count);
    const Bitmap skin = PaintedSkin(work, PictureOf(5, 3, 0), painted, 1);
    EXPECT_EQ(skin.bitsPerPixel, 8);
    EXPECT_EQ(skin.indices, work.indices);
    ASSERT_EQ(skin.colourTable.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_EQ(skin.colourTable[i], PaintedEntry(work, painted, i)) << i;
    }
  }
}

TEST(PaintedSkin, EveryPixelBecomesAnExactBlockAtTheScale) {
  const int width = 5;  // odd sizes, so that a block cut short at an edge shows
  const int height = 3;
  const Bitmap work = IndexedWork(width, height, 8, 256);
  const Picture picture = PictureOf(width, height, 0x204060);
  Bitmap deep = work;
  deep.bitsPerPixel = 24;
  deep.colourTable.clear();
  deep.indices.clear();
  deep.pixels.assign(picture.pixels.size(), 0xFF000000u);
  for (const int scale : {2, 3, 8}) {
    SCOPED_TRACE(scale);
    const Bitmap indexed = PaintedSkin(work, picture, PaintedTable(), scale);
    const Bitmap trueColour = PaintedSkin(deep, picture, PaintedTable(), scale);
    for (const Bitmap* skin : {&indexed, &trueColour}) {
      ASSERT_EQ(skin->width, width * scale);
      ASSERT_EQ(skin->height, height * scale);
    }
    ASSERT_EQ(indexed.indices.size(), std::size_t(width * scale * height * scale));
    ASSERT_EQ(trueColour.pixels.size(), indexed.indices.size());
    for (int y = 0; y < height * scale; ++y) {
      for (int x = 0; x < width * scale; ++x) {
        const auto at = static_cast<std::size_t>(y * width * scale + x);
        const auto source = static_cast<std::size_t>((y / scale) * width + x / scale);
        ASSERT_EQ(indexed.indices[at], work.indices[source]) << x << "," << y;
        ASSERT_EQ(trueColour.pixels[at], picture.pixels[source]) << x << "," << y;
      }
    }
  }
}

TEST(PaintedSkin, ATrueColourPictureGivesItsPaintedPixelsAt24Bits) {
  Bitmap work;
  work.width = 4;
  work.height = 3;
  work.bitsPerPixel = 32;
  work.pixels.assign(12, 0xFF0000FFu);  // as loaded; the picture is what was painted
  const Picture picture = PictureOf(4, 3, 0x00A000);
  const Bitmap skin = PaintedSkin(work, picture, PaintedTable(), 1);
  EXPECT_EQ(skin.bitsPerPixel, 24);
  EXPECT_EQ(skin.width, 4);
  EXPECT_EQ(skin.height, 3);
  EXPECT_TRUE(std::ranges::equal(skin.pixels, picture.pixels));
  EXPECT_TRUE(skin.colourTable.empty());
  EXPECT_TRUE(skin.indices.empty());
}

TEST(ScaledSkinFits, UpToTheLargestPictureTheReaderTakes) {
  const struct {
    int width, height, scale;
    bool fits;
  } cases[] = {
      {1024, 1024, 8, true},   // 2^26 pixels exactly
      {1025, 1024, 8, false},  // one column of blocks more
      {8192, 8192, 1, true},  {8192, 8193, 1, false},
      {1 << 30, 0, 8, false},  // no pixels, but a side beyond any int
  };
  ASSERT_EQ(kMaxBmpPixels, std::uint64_t{1} << 26);
  for (const auto& c : cases) {
    EXPECT_EQ(ScaledSkinFits(c.width, c.height, c.scale), c.fits)
        << c.width << " x " << c.height << " at " << c.scale;
  }
}

}  // namespace
}  // namespace tintara
