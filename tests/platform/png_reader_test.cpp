#include "platform/png_reader.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "allocation_peak.h"
#include "platform/crc32.h"
#include "platform/png_writer.h"

namespace tintara {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A PNG as libpng writes it, rows given as the file stores them (packed, big-endian samples).
struct PngPicture {
  int width = 0;
  int height = 0;
  int depth = 8;
  int colourType = PNG_COLOR_TYPE_PALETTE;
  bool interlaced = false;
  std::vector<png_color> palette{};
  std::vector<Bytes> rows{};
};

void AppendTo(png_structp png, png_bytep data, png_size_t length) {
  auto* bytes = static_cast<Bytes*>(png_get_io_ptr(png));
  bytes->insert(bytes->end(), data, data + length);
}

Bytes Written(PngPicture picture) {
  Bytes bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, AppendTo, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
               static_cast<png_uint_32>(picture.height), picture.depth, picture.colourType,
               picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!picture.palette.empty()) {
    png_set_PLTE(png, info, picture.palette.data(), static_cast<int>(picture.palette.size()));
  }
  std::vector<png_bytep> rows;
  for (Bytes& row : picture.rows) rows.push_back(row.data());
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

std::vector<png_color> SamplePalette(int count) {
  std::vector<png_color> palette;
  for (int i = 0; i < count; ++i) {
    palette.push_back({static_cast<png_byte>(i * 37), static_cast<png_byte>(i * 91 + 5),
                       static_cast<png_byte>(255 - i)});
  }
  return palette;
}

Bitmap DecodedOrFail(const Bytes& bytes) {
  Expected<PngReading> reading = DecodePng(bytes);
  EXPECT_TRUE(reading) << reading.problem().message;
  return reading ? std::move(reading->bitmap) : Bitmap{};
}

// What libpng writes is read back as written; the text comes back only for its keyword.
TEST(PngReader, APalettePictureReadsBackWithItsPaletteAndText) {
  Bitmap bitmap;
  bitmap.width = 13;
  bitmap.height = 3;
  bitmap.bitsPerPixel = 8;
  for (int i = 0; i < 200; ++i) bitmap.colourTable.push_back({std::uint8_t(i), 7, 9, 0});
  for (int i = 0; i < 39; ++i) bitmap.indices.push_back(std::uint8_t(i * 5 % 200));
  const Bytes png = *EncodePng(bitmap, PngText{"Note", "some text"});

  const Expected<PngReading> reading = DecodePng(png, "Note");
  ASSERT_TRUE(reading) << reading.problem().message;
  const Bitmap& read = reading->bitmap;
  EXPECT_EQ(std::tuple(read.width, read.height, read.bitsPerPixel), std::tuple(13, 3, 8));
  EXPECT_EQ(read.colourTable, bitmap.colourTable);
  EXPECT_EQ(read.indices, bitmap.indices);
  EXPECT_TRUE(read.pixels.empty());
  EXPECT_EQ(reading->text, "some text");
  EXPECT_EQ(DecodePng(png, "Other")->text, std::nullopt);
  // A text larger than any this program writes is skipped: a chunk is not read whole just because
  // it says how long it is.
  const Bytes large = *EncodePng(bitmap, PngText{"Note", std::string(std::size_t{2} << 20, 'x')});
  EXPECT_EQ(DecodePng(large, "Note")->text, std::nullopt);
}

TEST(PngReader, SmallerIndicesSpreadToAByteAPixelInterlacedOrNot) {
  for (const int depth : {1, 2, 4}) {
    for (const bool interlaced : {false, true}) {
      SCOPED_TRACE(std::to_string(depth) + (interlaced ? " interlaced" : ""));
      PngPicture picture{.width = 11, .height = 9, .depth = depth, .interlaced = interlaced};
      picture.palette = SamplePalette(1 << depth);
      std::vector<std::uint8_t> expected;
      for (int y = 0; y < picture.height; ++y) {
        Bytes row((picture.width * depth + 7) / 8);
        for (int x = 0; x < picture.width; ++x) {
          const int value = (x * 3 + y * 5) % (1 << depth);
          expected.push_back(static_cast<std::uint8_t>(value));
          row[x * depth / 8] |= static_cast<std::uint8_t>(value << (8 - depth - x * depth % 8));
        }
        picture.rows.push_back(row);
      }
      const Bitmap bitmap = DecodedOrFail(Written(picture));
      EXPECT_EQ(bitmap.bitsPerPixel, depth);
      EXPECT_EQ(bitmap.indices, expected);
      ASSERT_EQ(bitmap.colourTable.size(), picture.palette.size());
      EXPECT_EQ(bitmap.colourTable.back(),
                (ColourTableEntry{picture.palette.back().blue, picture.palette.back().green,
                                  picture.palette.back().red, 0}));
    }
  }
}

// Grey, RGB and alpha pictures are shown as a true-colour BMP is: opaque, 8 bits a channel.
TEST(PngReader, OtherPicturesGiveOpaqueDisplayPixels) {
  const struct {
    int depth, colourType, bitsPerPixel;
    Bytes row;  // two pixels
    std::vector<std::uint32_t> pixels;
  } cases[] = {
      {16,
       PNG_COLOR_TYPE_RGB,
       24,
       {255, 255, 128, 128, 0, 0, 18, 52, 171, 205, 0, 255},
       {0xFFFF8000u, 0xFF12AB01u}},
      {8, PNG_COLOR_TYPE_GRAY, 24, {255, 128}, {0xFFFFFFFFu, 0xFF808080u}},
      {8,
       PNG_COLOR_TYPE_RGB_ALPHA,
       32,
       {255, 128, 0, 0, 18, 171, 0, 127},
       {0xFFFF8000u, 0xFF12AB00u}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.colourType);
    const Bitmap bitmap = DecodedOrFail(Written(
        {.width = 2, .height = 1, .depth = c.depth, .colourType = c.colourType, .rows = {c.row}}));
    EXPECT_EQ(bitmap.bitsPerPixel, c.bitsPerPixel);
    EXPECT_TRUE(bitmap.colourTable.empty());
    EXPECT_EQ(bitmap.pixels, c.pixels);
  }
}

Bytes SmallPalettePng() {
  PngPicture picture{.width = 40, .height = 30, .palette = SamplePalette(64)};
  for (int y = 0; y < picture.height; ++y) {
    Bytes row;
    for (int x = 0; x < picture.width; ++x) row.push_back(static_cast<std::uint8_t>((x ^ y) % 64));
    picture.rows.push_back(row);
  }
  return Written(picture);
}

TEST(PngReader, DamagedOrCutShortDataIsRefused) {
  const Bytes png = SmallPalettePng();
  Bytes badCrc = png;
  badCrc[png.size() - 20] ^= 0x40;  // in the pixel data, whose chunk's CRC no longer holds
  const struct {
    const char* name;
    Bytes bytes;
    const char* problem;
  } cases[] = {
      {"a BMP", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, "not a PNG file"},
      {"cut in the header", Bytes(png.begin(), png.begin() + 20), "the file is damaged"},
      {"cut in the pixels", Bytes(png.begin(), png.end() - 40), "the file is damaged"},
      {"without its end", Bytes(png.begin(), png.end() - 12), "the file is damaged"},
      {"a wrong checksum", badCrc, "the file is damaged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Expected<PngReading> reading = DecodePng(c.bytes);
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.problem().message, c.problem);
  }
}

// A few bytes declaring a huge picture are refused from the header: allocating its pixels, 10 GB,
// would fail or stall.
TEST(PngReader, AHugeDeclaredPictureIsRefusedBeforeItsPixels) {
  Bytes png = SmallPalettePng();
  const std::uint8_t huge[] = {0, 1, 0x86, 0xA0};  // 100000
  // The width and height follow the signature, the chunk's length and its type.
  std::copy(std::begin(huge), std::end(huge), png.begin() + 16);
  std::copy(std::begin(huge), std::end(huge), png.begin() + 20);
  const std::uint32_t crc = Crc32({png.data() + 12, 17});
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));

  const Expected<PngReading> reading = DecodePng(png);
  ASSERT_FALSE(reading);
  EXPECT_EQ(reading.problem().message, "the picture is too large (100000 x 100000 pixels)");
}

void AppendWord(Bytes& png, std::uint32_t word) {
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(std::uint8_t(word >> shift));
}

// A chunk as a file holds it: length, type, data and the checksum of type and data.
void AppendChunk(Bytes& png, std::string_view type, const Bytes& data) {
  AppendWord(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type.begin(), type.end());
  png.insert(png.end(), data.begin(), data.end());
  AppendWord(png, Crc32({png.data() + start, png.size() - start}));
}

// 57 bytes that declare an 8192 x 8192 RGBA picture, 256 MB of pixels, and hold none.
TEST(PngReader, APictureWithoutPixelDataIsRefusedBeforeItsPixelsAreAllocated) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AppendChunk(png, "IHDR", {0, 0, 0x20, 0, 0, 0, 0x20, 0, 8, PNG_COLOR_TYPE_RGBA, 0, 0, 0});
  AppendChunk(png, "IDAT", {});
  AppendChunk(png, "IEND", {});
  ASSERT_EQ(png.size(), 57u);

  const AllocationPeak peak;
  const Expected<PngReading> reading = DecodePng(png);
  ASSERT_FALSE(reading);
  EXPECT_EQ(reading.problem().message, "the file is damaged");
  EXPECT_LT(peak.bytes(), std::size_t{1} << 20);
}

// The same 57 bytes, asked for a colour table alone, are their header: nothing to decode. A palette
// picture still decodes whole, and one over the limit asked for is refused.
TEST(PngReader, LimitsAreKeptFromTheHeader) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AppendChunk(png, "IHDR", {0, 0, 0x20, 0, 0, 0, 0x20, 0, 8, PNG_COLOR_TYPE_RGBA, 0, 0, 0});
  AppendChunk(png, "IDAT", {});
  AppendChunk(png, "IEND", {});

  const AllocationPeak peak;
  const Expected<PngReading> header = DecodePng(png, {}, {.colourTableOnly = true});
  ASSERT_TRUE(header);
  EXPECT_EQ(header->bitmap.width, 8192);
  EXPECT_FALSE(header->bitmap.hasColourTable());
  EXPECT_TRUE(header->bitmap.pixels.empty());
  EXPECT_LT(peak.bytes(), std::size_t{1} << 20);

  const Bytes palette = SmallPalettePng();
  const Expected<PngReading> whole = DecodePng(palette, {}, {.colourTableOnly = true});
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->bitmap.indices, DecodePng(palette)->bitmap.indices);
  EXPECT_FALSE(whole->bitmap.indices.empty());
  EXPECT_FALSE(DecodePng(palette, {}, {.maxPixels = 1}));
}

// The file is read a piece at a time: a picture larger than one piece reads as from memory.
TEST(PngReader, AFileReadsAsItsBytesDo) {
  PngPicture large{.width = 300, .height = 300, .palette = SamplePalette(256)};
  std::uint32_t noise = 12345;
  for (int y = 0; y < large.height; ++y) {
    Bytes& row = large.rows.emplace_back();
    for (int x = 0; x < large.width; ++x) row.push_back(std::uint8_t((noise *= 1103515245u) >> 24));
  }
  const Bytes png = Written(large);
  ASSERT_GT(png.size(), std::size_t{1} << 16);
  const std::string path = testing::TempDir() + "png_reader_test.png";
  for (const std::size_t size : {png.size(), std::size_t{70000}}) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(size));
    const Expected<PngReading> file = ReadPngFile(path);
    if (size < png.size()) {
      EXPECT_EQ(file.problem(), (Problem{"the file is damaged", path}));
    } else {
      ASSERT_TRUE(file) << file.problem().message;
      EXPECT_EQ(file->bitmap.indices, DecodedOrFail(png).indices);
    }
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace tintara
