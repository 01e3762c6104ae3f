#include "platform/png_reader.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
  for (int i = 0; i < 200; ++i) {
    bitmap.colourTable.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                                  static_cast<std::uint8_t>(255 - i), 0});
  }
  for (int i = 0; i < 39; ++i) bitmap.indices.push_back(static_cast<std::uint8_t>(i * 5 % 200));
  const Bytes png = *EncodePng(bitmap, PngText{"Note", "some text"});

  const Expected<PngReading> reading = DecodePng(png, "Note");
  ASSERT_TRUE(reading) << reading.problem().message;
  EXPECT_EQ(reading->bitmap.width, 13);
  EXPECT_EQ(reading->bitmap.height, 3);
  EXPECT_EQ(reading->bitmap.bitsPerPixel, 8);
  EXPECT_EQ(reading->bitmap.colourTable, bitmap.colourTable);
  EXPECT_EQ(reading->bitmap.indices, bitmap.indices);
  EXPECT_TRUE(reading->bitmap.pixels.empty());
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
    const char* name;
    int depth;
    int colourType;
    Bytes row;
    int bitsPerPixel;
  } cases[] = {
      {"16-bit RGB",
       16,
       PNG_COLOR_TYPE_RGB,
       {0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00, 0x12, 0x34, 0xAB, 0xCD, 0x00, 0xFF},
       24},
      {"grey", 8, PNG_COLOR_TYPE_GRAY, {0xFF, 0x80}, 24},
      {"RGBA", 8, PNG_COLOR_TYPE_RGB_ALPHA, {0xFF, 0x80, 0x00, 0x00, 0x12, 0xAB, 0x00, 0x7F}, 32},
  };
  const std::vector<std::vector<std::uint32_t>> expected = {
      {0xFFFF8000u, 0xFF12AB01u}, {0xFFFFFFFFu, 0xFF808080u}, {0xFFFF8000u, 0xFF12AB00u}};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    const Bitmap bitmap = DecodedOrFail(Written({.width = 2,
                                                 .height = 1,
                                                 .depth = cases[i].depth,
                                                 .colourType = cases[i].colourType,
                                                 .rows = {cases[i].row}}));
    EXPECT_EQ(bitmap.bitsPerPixel, cases[i].bitsPerPixel);
    EXPECT_FALSE(bitmap.hasColourTable());
    EXPECT_TRUE(bitmap.colourTable.empty());
    EXPECT_EQ(bitmap.pixels, expected[i]);
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
      {"empty", {}, "not a PNG file"},
      {"a BMP", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, "not a PNG file"},
      {"the signature alone", Bytes(png.begin(), png.begin() + 8), "the file is damaged"},
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

// The file is read a piece at a time: a picture larger than one piece reads as from memory.
TEST(PngReader, AFileReadsAsItsBytesDoAndItsProblemsNameIt) {
  PngPicture large{.width = 300, .height = 300, .palette = SamplePalette(256)};
  std::uint32_t noise = 12345;
  for (int y = 0; y < large.height; ++y) {
    Bytes row;
    for (int x = 0; x < large.width; ++x) {
      noise = noise * 1103515245u + 12345u;
      row.push_back(static_cast<std::uint8_t>(noise >> 24));
    }
    large.rows.push_back(row);
  }
  const Bytes png = Written(large);
  ASSERT_GT(png.size(), std::size_t{1} << 16);
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "png_reader_test";
  std::filesystem::create_directories(dir);
  const auto store = [&dir](const char* name, const Bytes& bytes) {
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return (dir / name).string();
  };

  const Expected<PngReading> file = ReadPngFile(store("large.png", png));
  ASSERT_TRUE(file) << file.problem().message;
  EXPECT_EQ(file->bitmap.indices, DecodedOrFail(png).indices);

  const std::string cut = store("cut.png", Bytes(png.begin(), png.begin() + 70000));
  EXPECT_EQ(ReadPngFile(cut).problem(), (Problem{"the file is damaged", cut}));
  const std::string missing = (dir / "missing.png").string();
  EXPECT_EQ(ReadPngFile(missing).problem(), (Problem{"the file does not exist", missing}));
  EXPECT_EQ(ReadPngFile(dir.string()).problem(), (Problem{"not a regular file", dir.string()}));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tintara
