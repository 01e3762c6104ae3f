#include "platform/bmp_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bmp_test_builder.h"

namespace tintara {
namespace {

using namespace bmp_test;
using Bytes = std::vector<std::uint8_t>;

// A table whose fourth bytes are not zero, so that dropping or zeroing them shows.
std::vector<ColourTableEntry> SampleTable(std::size_t count) {
  std::vector<ColourTableEntry> table(count);
  for (std::size_t i = 0; i < count; ++i) {
    table[i] = {static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(i * 91 + 5),
                static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 29 + 1)};
  }
  return table;
}

std::vector<std::uint32_t> SampleIndices(int width, int height, int bits) {
  std::vector<std::uint32_t> values;
  for (int i = 0; i < width * height; ++i) {
    values.push_back(static_cast<std::uint32_t>(i * 7 + 3) % (1u << bits));
  }
  return values;
}

Bytes ToBytes(const std::vector<std::uint32_t>& values) { return {values.begin(), values.end()}; }

std::string Describe(std::uint32_t headerSize, int bits, int width, int height, bool topDown) {
  return "header " + std::to_string(headerSize) + ", " + std::to_string(bits) + " bits, " +
         std::to_string(width) + " x " + std::to_string(height) +
         (topDown ? ", top-down" : ", bottom-up");
}

TEST(BmpReaderIndexed, EveryHeaderDepthAndRowPaddingGivesTheSamePixelsAndTable) {
  for (std::uint32_t headerSize : {12u, 40u, 52u, 56u, 64u, 108u, 124u}) {
    for (int bits : {1, 4, 8}) {
      for (int width = 1; width <= 5; ++width) {
        for (int height : {1, 3}) {
          for (bool topDown : {false, true}) {
            if (headerSize == 12 && topDown) continue;  // the core header has no sign
            SCOPED_TRACE(Describe(headerSize, bits, width, height, topDown));
            const std::vector<std::uint32_t> values = SampleIndices(width, height, bits);
            BmpFields f;
            f.headerSize = headerSize;
            f.width = width;
            f.height = topDown ? -height : height;
            f.bitsPerPixel = static_cast<std::uint16_t>(bits);
            f.colourTable = SampleTable(std::size_t{1} << bits);
            f.pixelData = PackRows(values, width, height, bits, topDown);

            const auto bitmap = DecodeBmp(BuildBmp(f));
            ASSERT_TRUE(bitmap);
            EXPECT_EQ(bitmap->width, width);
            EXPECT_EQ(bitmap->height, height);
            EXPECT_EQ(bitmap->bitsPerPixel, bits);
            EXPECT_EQ(bitmap->indices, ToBytes(values));
            EXPECT_TRUE(bitmap->pixels.empty());
            std::vector<ColourTableEntry> expected = f.colourTable;
            if (headerSize == 12) {
              for (ColourTableEntry& e : expected) e.reserved = 0;
            }
            EXPECT_EQ(bitmap->colourTable, expected);
          }
        }
      }
    }
  }
}

BmpFields EightBit(int width, int height, std::size_t tableSize) {
  BmpFields f;
  f.width = width;
  f.height = height;
  f.colourTable = SampleTable(tableSize);
  f.clrUsed = static_cast<std::uint32_t>(tableSize);
  f.pixelData = PackRows(SampleIndices(width, height, 2), width, height, 8, false);
  return f;
}

TEST(BmpReaderColourTable, ClrUsedSetsTheNumberOfEntriesAndWhereThePixelsStart) {
  const BmpFields f = EightBit(3, 2, 5);
  const auto bitmap = DecodeBmp(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->colourTable, f.colourTable);
  EXPECT_EQ(bitmap->indices, ToBytes(SampleIndices(3, 2, 2)));
}

TEST(BmpReaderColourTable, ClrUsedZeroMeansAFullTable) {
  BmpFields f = EightBit(2, 2, 256);
  f.clrUsed = 0;
  const auto bitmap = DecodeBmp(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->colourTable.size(), 256u);
}

TEST(BmpReaderColourTable, ATableShorterThanAnnouncedStopsAtThePixelData) {
  BmpFields f = EightBit(2, 2, 16);
  f.clrUsed = 0;
  const auto bitmap = DecodeBmp(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->colourTable, f.colourTable);
  EXPECT_EQ(bitmap->indices, ToBytes(SampleIndices(2, 2, 2)));
}

TEST(BmpReaderColourTable, IndicesBeyondTheTableAreKept) {
  BmpFields f = EightBit(4, 1, 4);
  f.pixelData = {0, 3, 4, 200};
  const auto bitmap = DecodeBmp(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->indices, (Bytes{0, 3, 4, 200}));
}

BmpFields Rle(int bits, int width, int height, Bytes stream) {
  BmpFields f;
  f.width = width;
  f.height = height;
  f.bitsPerPixel = static_cast<std::uint16_t>(bits);
  f.compression = bits == 8 ? 1 : 2;
  f.colourTable = SampleTable(16);
  f.clrUsed = 16;
  f.pixelData = std::move(stream);
  return f;
}

// Encoded run, absolute run with a padding byte, end of line, delta, end of bitmap.
const Bytes kRle8Stream = {3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 2, 9, 0, 1};
const Bytes kRle8Picture = {0, 0, 9, 9, 0, 0,  //
                            0, 0, 0, 0, 0, 0,  //
                            7, 7, 7, 1, 2, 3};

// Absolute run of five nibbles padded to four bytes, odd encoded runs, end of line and of bitmap.
const Bytes kRle4Stream = {0, 5, 0xAB, 0xCD, 0xE0, 0, 2, 0xF1, 0, 0, 3, 0x21, 0, 1};
const Bytes kRle4Picture = {2,  1,  2,  0,  0,  0,  0,  //
                            10, 11, 12, 13, 14, 15, 1};

TEST(BmpReaderRle, Rle8RunsDeltasAndAbsoluteRunsLandInPlace) {
  const BmpFields f = Rle(8, 6, 3, kRle8Stream);
  const auto bitmap = DecodeBmp(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->bitsPerPixel, 8);
  EXPECT_EQ(bitmap->indices, kRle8Picture);
  EXPECT_EQ(bitmap->colourTable, f.colourTable);
}

TEST(BmpReaderRle, Rle4RunsAlternateNibblesAndAbsoluteRunsArePadded) {
  const auto bitmap = DecodeBmp(BuildBmp(Rle(4, 7, 2, kRle4Stream)));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->bitsPerPixel, 4);
  EXPECT_EQ(bitmap->indices, kRle4Picture);
}

TEST(BmpReaderRle, DecodesLikeTheSamePictureUncompressed) {
  for (int bits : {4, 8}) {
    SCOPED_TRACE(bits);
    const Bytes& stream = bits == 8 ? kRle8Stream : kRle4Stream;
    const Bytes& picture = bits == 8 ? kRle8Picture : kRle4Picture;
    const int width = bits == 8 ? 6 : 7;
    const int height = static_cast<int>(picture.size()) / width;
    BmpFields plain = Rle(bits, width, height, {});
    plain.compression = 0;
    plain.pixelData = PackRows({picture.begin(), picture.end()}, width, height, bits, false);
    const auto expected = DecodeBmp(BuildBmp(plain));
    const auto actual = DecodeBmp(BuildBmp(Rle(bits, width, height, stream)));
    ASSERT_TRUE(expected && actual);
    EXPECT_EQ(actual->indices, expected->indices);
    EXPECT_EQ(actual->colourTable, expected->colourTable);
  }
}

TEST(BmpReaderRle, AnEndOfLineOnTheTopRowEndsThePicture) {
  const auto bitmap = DecodeBmp(BuildBmp(Rle(8, 2, 2, {2, 5, 0, 0, 1, 6, 0, 0})));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->indices, (Bytes{6, 0, 5, 5}));
}

BmpFields Deep(int bits, int width, int height, const std::vector<std::uint32_t>& stored) {
  BmpFields f;
  f.width = width;
  f.height = height;
  f.bitsPerPixel = static_cast<std::uint16_t>(bits);
  f.pixelData = PackRows(stored, width, std::abs(height), bits, height < 0);
  return f;
}

TEST(BmpReaderDeep, TwentyFourAndThirtyTwoBitRowsAtEveryPadding) {
  for (std::uint32_t headerSize : {12u, 40u, 108u, 124u}) {
    for (int bits : {24, 32}) {
      for (int width = 1; width <= 5; ++width) {
        for (int height : {1, 3}) {
          for (bool topDown : {false, true}) {
            if (headerSize == 12 && (topDown || bits == 32)) continue;
            SCOPED_TRACE(Describe(headerSize, bits, width, height, topDown));
            std::vector<std::uint32_t> stored;
            std::vector<std::uint32_t> expected;
            for (int i = 0; i < width * height; ++i) {
              const std::uint32_t rgb = static_cast<std::uint32_t>(i + 1) * 0x0A1B2Cu & 0xFFFFFF;
              stored.push_back(rgb | (bits == 32 ? 0x5A000000u : 0));  // the fourth byte is unused
              expected.push_back(0xFF000000u | rgb);
            }
            BmpFields f = Deep(bits, width, topDown ? -height : height, stored);
            f.headerSize = headerSize;
            f.colourTable = SampleTable(3);  // an optional table that deep pictures ignore
            f.clrUsed = 3;
            const auto bitmap = DecodeBmp(BuildBmp(f));
            ASSERT_TRUE(bitmap);
            EXPECT_EQ(bitmap->bitsPerPixel, bits);
            EXPECT_EQ(bitmap->pixels, expected);
            EXPECT_TRUE(bitmap->colourTable.empty());
            EXPECT_TRUE(bitmap->indices.empty());
          }
        }
      }
    }
  }
}

struct DeepCase {
  const char* name;
  std::uint32_t headerSize;
  int bits;
  std::uint32_t compression;
  std::array<std::uint32_t, 3> masks;  // none for BI_RGB
  std::vector<std::uint32_t> stored;
  std::vector<std::uint32_t> expected;
};

TEST(BmpReaderDeep, ChannelsComeFromTheirMasksAndScaleToFullRange) {
  const std::vector<DeepCase> cases = {
      {"16-bit plain is 5-5-5",
       40,
       16,
       0,
       {},
       {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x8000, 0x4210},
       {0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000, 0xFF848484}},
      {"16-bit plain ignores the masks of a V5 header",
       124,
       16,
       0,
       {0xF800, 0x07E0, 0x001F},
       {0x7C00, 0x001F},
       {0xFFFF0000, 0xFF0000FF}},
      {"16-bit 5-6-5 after an info header",
       40,
       16,
       3,
       {0xF800, 0x07E0, 0x001F},
       {0xF800, 0x07E0, 0x0020, 0x8410, 0xFFFF},
       {0xFFFF0000, 0xFF00FF00, 0xFF000400, 0xFF848284, 0xFFFFFFFF}},
      {"16-bit 4-4-4 in a V4 header",
       108,
       16,
       3,
       {0x0F00, 0x00F0, 0x000F},
       {0x0800, 0xF0F1, 0x0FFF},
       {0xFF880000, 0xFF00FF11, 0xFFFFFFFF}},
      {"32-bit red in the low byte in a V5 header",
       124,
       32,
       3,
       {0x000000FF, 0x0000FF00, 0x00FF0000},
       {0x00332211, 0xFF000000},
       {0xFF112233, 0xFF000000}},
      {"32-bit 10-10-10 in a 52-byte header",
       52,
       32,
       3,
       {0x3FF00000, 0x000FFC00, 0x000003FF},
       {0x3FFFFFFF, 0x20000000, 0x00000200},
       {0xFFFFFFFF, 0xFF800000, 0xFF000080}},
      {"32-bit with alpha bit fields in a 56-byte header",
       56,
       32,
       6,
       {0x00FF0000, 0x0000FF00, 0x000000FF},
       {0x80123456},
       {0xFF123456}},
  };
  for (const DeepCase& c : cases) {
    SCOPED_TRACE(c.name);
    const int width = static_cast<int>(c.stored.size());
    BmpFields f = Deep(c.bits, width, 1, c.stored);
    f.headerSize = c.headerSize;
    f.compression = c.compression;
    if (c.headerSize >= 52) {
      f.masks = c.masks;
    } else if (c.compression == 3) {
      f.masksAfterHeader = {c.masks.begin(), c.masks.end()};
    }
    const auto bitmap = DecodeBmp(BuildBmp(f));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->pixels, c.expected);
  }
}

// A valid file of each family, to be damaged one field at a time.
Bytes ValidEightBit() { return BuildBmp(EightBit(4, 2, 4)); }
Bytes ValidRle8() { return BuildBmp(Rle(8, 6, 3, kRle8Stream)); }
Bytes ValidBitFields() {
  BmpFields f = Deep(16, 2, 2, {1, 2, 3, 4});
  f.compression = 3;
  f.masksAfterHeader = {0xF800, 0x07E0, 0x001F};
  return BuildBmp(f);
}

Bytes Rle8WithStream(Bytes stream) { return BuildBmp(Rle(8, 6, 3, std::move(stream))); }

struct HostileCase {
  const char* name;
  std::function<Bytes()> make;
};

Bytes Changed(Bytes bytes, const std::function<void(Bytes&)>& change) {
  change(bytes);
  return bytes;
}

Bytes Prefix(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

Bytes With32(Bytes bytes, std::size_t at, std::uint32_t value) {
  Put32(bytes, at, value);
  return bytes;
}

Bytes With16(Bytes bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value);
  return bytes;
}

// 64 bytes that declare 16384 x 16384 pixels and end the picture at once.
TEST(BmpReaderHostile, AMemoryBombIsRefusedForItsSize) {
  const Expected<Bitmap> bitmap = DecodeBmp(BuildBmp(Rle(8, 16384, 16384, {0, 1})));
  ASSERT_FALSE(bitmap);
  EXPECT_EQ(bitmap.problem().message, "the picture is too large (16384 x 16384 pixels)");
}

// A true-colour picture asked for its colour table alone is its header, its pixels not even
// looked for (here there are none).
TEST(BmpReaderHostile, ATrueColourPictureIsItsHeaderWhenOnlyATableIsWanted) {
  BmpFields f;
  f.width = 8192;
  f.height = 8192;
  f.bitsPerPixel = 24;
  const Expected<Bitmap> header = DecodeBmp(BuildBmp(f), {.colourTableOnly = true});
  ASSERT_TRUE(header);
  EXPECT_EQ(header->height, 8192);
  EXPECT_FALSE(header->hasColourTable());
  EXPECT_TRUE(header->pixels.empty());
  EXPECT_FALSE(DecodeBmp(BuildBmp(f)));
}

TEST(BmpReaderHostile, ProblemsAreNamedForTheUser) {
  const struct {
    const char* name;
    Bytes file;
    const char* problem;
  } cases[] = {
      {"signature", Changed(ValidEightBit(), [](Bytes& b) { b[0] = 'P'; }), "not a BMP file"},
      {"JPEG inside", With32(ValidEightBit(), kCompressionAt, 4),
       "a kind of BMP file this program does not read"},
      {"truncated", Prefix(ValidEightBit(), ValidEightBit().size() - 1), "the file is damaged"},
      {"RLE stream cut short", Rle8WithStream({2, 1, 0, 0}), "the file is damaged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Expected<Bitmap> bitmap = DecodeBmp(c.file);
    ASSERT_FALSE(bitmap);
    EXPECT_EQ(bitmap.problem().message, c.problem);
  }
}

TEST(BmpReaderHostile, DamagedOrUnsupportedFilesAreRejected) {
  const std::size_t eightBitSize = ValidEightBit().size();
  const std::vector<HostileCase> cases = {
      {"empty", [] { return Bytes{}; }},
      {"file header only", [] { return Prefix(ValidEightBit(), 14); }},
      {"signature not BM", [] { return Changed(ValidEightBit(), [](Bytes& b) { b[1] = 'A'; }); }},
      {"header cut short", [] { return Prefix(ValidEightBit(), 40); }},
      {"unknown header size", [] { return With32(ValidEightBit(), kHeaderSizeAt, 41); }},
      {"zero width", [] { return With32(ValidEightBit(), kWidthAt, 0); }},
      {"negative width", [] { return With32(ValidEightBit(), kWidthAt, 0xFFFFFFFC); }},
      {"zero height", [] { return With32(ValidEightBit(), kHeightAt, 0); }},
      {"most negative height", [] { return With32(ValidEightBit(), kHeightAt, 0x80000000); }},
      {"absurd dimensions",
       [] { return With32(With32(ValidEightBit(), kWidthAt, 0x10001), kHeightAt, 0x4000); }},
      {"largest width", [] { return With32(ValidEightBit(), kWidthAt, 0x7FFFFFFF); }},
      {"two planes", [] { return With16(ValidEightBit(), kPlanesAt, 2); }},
      {"zero bits", [] { return With16(ValidEightBit(), kBitsAt, 0); }},
      {"2 bits", [] { return With16(ValidEightBit(), kBitsAt, 2); }},
      {"64 bits", [] { return With16(ValidEightBit(), kBitsAt, 64); }},
      {"JPEG compression", [] { return With32(ValidEightBit(), kCompressionAt, 4); }},
      {"PNG compression", [] { return With32(ValidEightBit(), kCompressionAt, 5); }},
      {"unknown compression", [] { return With32(ValidEightBit(), kCompressionAt, 11); }},
      {"RLE8 at 4 bits", [] { return With16(ValidRle8(), kBitsAt, 4); }},
      {"RLE4 at 8 bits", [] { return With32(ValidRle8(), kCompressionAt, 2); }},
      {"bit fields at 8 bits", [] { return With32(ValidEightBit(), kCompressionAt, 3); }},
      {"bit fields at 24 bits", [] { return With16(ValidBitFields(), kBitsAt, 24); }},
      {"RLE top-down",
       [] { return With32(ValidRle8(), kHeightAt, static_cast<std::uint32_t>(-3)); }},
      {"clrUsed above 256", [] { return With32(ValidEightBit(), kClrUsedAt, 257); }},
      {"clrUsed above 2^bits",
       [] {
         BmpFields f = EightBit(4, 2, 4);
         f.bitsPerPixel = 1;
         f.pixelData.assign(8, 0);
         return BuildBmp(f);
       }},
      {"no colour table",
       [] {
         BmpFields f = EightBit(4, 2, 0);
         return BuildBmp(f);
       }},
      {"pixel offset past the end",
       [=] {
         return With32(ValidEightBit(), kPixelOffsetAt,
                       static_cast<std::uint32_t>(eightBitSize + 1));
       }},
      {"pixel offset zero", [] { return With32(ValidEightBit(), kPixelOffsetAt, 0); }},
      {"pixel offset inside the header",
       [] { return With32(ValidEightBit(), kPixelOffsetAt, 50); }},
      {"pixel data one byte short",
       [] { return Changed(ValidEightBit(), [](Bytes& b) { b.pop_back(); }); }},
      {"table runs past the end",
       [] {
         Bytes b = ValidEightBit();
         b.resize(54 + 8);
         return With32(b, kPixelOffsetAt, 54 + 16);
       }},
      {"zero red mask", [] { return With32(ValidBitFields(), kMasksAt, 0); }},
      {"zero blue mask", [] { return With32(ValidBitFields(), kMasksAt + 8, 0); }},
      {"mask wider than the pixel", [] { return With32(ValidBitFields(), kMasksAt, 0x1F800); }},
      {"mask with a gap", [] { return With32(ValidBitFields(), kMasksAt, 0xF000 | 0x0100); }},
      {"masks missing after the header", [] { return Prefix(ValidBitFields(), 60); }},
      {"RLE run past the row end",
       [] {
         return Rle8WithStream({7, 1, 0, 1});
       }},
      {"RLE absolute run past the row end",
       [] {
         return Rle8WithStream({0, 7, 1, 2, 3, 4, 5, 6, 7, 0, 0, 1});
       }},
      {"RLE run after a delta to the row end",
       [] {
         return Rle8WithStream({0, 2, 6, 0, 1, 1, 0, 1});
       }},
      {"RLE delta past the right edge",
       [] {
         return Rle8WithStream({0, 2, 7, 0, 0, 1});
       }},
      {"RLE delta past the top",
       [] {
         return Rle8WithStream({0, 2, 0, 3, 0, 1});
       }},
      {"RLE stream ends while rows remain",
       [] {
         return Rle8WithStream({2, 1, 0, 0});
       }},
      {"RLE stream ends inside an escape",
       [] {
         return Rle8WithStream({2, 1, 0});
       }},
      {"RLE delta cut short",
       [] {
         return Rle8WithStream({0, 2, 1});
       }},
      {"RLE absolute run cut short",
       [] {
         return Rle8WithStream({0, 4, 1, 2, 3});
       }},
      {"RLE absolute run missing its padding",
       [] {
         return Rle8WithStream({0, 3, 1, 2, 3});
       }},
      {"RLE empty stream", [] { return Rle8WithStream({}); }},
      {"core header at 16 bits",
       [] {
         BmpFields f = Deep(16, 2, 2, {1, 2, 3, 4});
         f.headerSize = 12;
         return BuildBmp(f);
       }},
      {"OS/2 header with bit fields",
       [] {
         BmpFields f = Deep(16, 2, 2, {1, 2, 3, 4});
         f.headerSize = 64;
         f.compression = 3;
         return BuildBmp(f);
       }},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(DecodeBmp(c.make()));
  }
}

// Files whose every byte is needed: four-byte rows without padding, and an RLE stream whose end
// marker closes a row that has no end of line.
TEST(BmpReaderHostile, EveryTruncationIsRejected) {
  const std::vector<std::pair<const char*, Bytes>> files = {
      {"8 bits", ValidEightBit()},
      {"16-bit bit fields", ValidBitFields()},
      {"24 bits", BuildBmp(Deep(24, 4, 3, std::vector<std::uint32_t>(12, 0x123456)))},
      {"RLE8", Rle8WithStream({2, 1, 0, 0, 3, 2, 0, 1})},
  };
  for (const auto& [name, file] : files) {
    ASSERT_TRUE(DecodeBmp(file)) << name;
    for (std::size_t size = 0; size < file.size(); ++size) {
      EXPECT_FALSE(DecodeBmp(Prefix(file, size))) << name << " cut to " << size << " bytes";
    }
  }
}

TEST(BmpReaderHostile, TheLastRowMayLackItsPadding) {
  BmpFields f = EightBit(3, 2, 4);
  f.pixelData.pop_back();
  const auto bitmap = DecodeBmp(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->indices, ToBytes(SampleIndices(3, 2, 2)));
}

class BmpReaderFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "bmp_reader_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Store(const std::string& name, const Bytes& bytes) const {
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  std::filesystem::path dir_;
};

TEST_F(BmpReaderFile, ReadsTheFileItNames) {
  const Expected<Bitmap> reading = ReadBmpFile(Store("picture.bmp", ValidRle8()));
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->indices, kRle8Picture);
}

// The rows come from the file a run at a time, short ones through a buffer and long ones straight
// into place, from wherever the pixel data begins.
TEST_F(BmpReaderFile, RowsAreReadFromTheFileAsStored) {
  const struct {
    const char* name;
    int width;
    int height;
    std::size_t gap;  // bytes between the colour table and the pixels
  } cases[] = {
      {"short rows, several runs", 5, 1100, 0},
      {"long padded rows, several runs", 2051, 130, 0},
      {"pixels past a gap longer than the headers", 6, 3, 5000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint32_t> values = SampleIndices(c.width, c.height, 8);
    BmpFields f = EightBit(c.width, c.height, 256);
    f.pixelData = PackRows(values, c.width, c.height, 8, false);
    Bytes file = BuildBmp(f);
    const std::size_t pixelOffset = file.size() - f.pixelData.size();
    file.insert(file.begin() + static_cast<std::ptrdiff_t>(pixelOffset), c.gap, 0xEE);
    Put32(file, kPixelOffsetAt, static_cast<std::uint32_t>(pixelOffset + c.gap));
    const Expected<Bitmap> reading = ReadBmpFile(Store("rows.bmp", file));
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->indices, ToBytes(values));
    EXPECT_EQ(reading->colourTable, f.colourTable);
  }
}

TEST_F(BmpReaderFile, SaysWhyAFileGivesNoBitmap) {
  const std::filesystem::path text = dir_ / "x.bmp";
  std::ofstream(text) << "hello, not a picture\n";
  ASSERT_EQ(::mkfifo((dir_ / "fifo.bmp").c_str(), 0600), 0);
  const struct {
    std::filesystem::path path;
    const char* problem;
  } cases[] = {
      {dir_ / "missing.bmp", "the file does not exist"},
      {text, "not a BMP file"},
      {Store("short.bmp", Prefix(ValidEightBit(), ValidEightBit().size() - 1)),
       "the file is damaged"},  // its rows end early
      {dir_, "not a regular file"},
      {dir_ / "fifo.bmp", "not a regular file"},  // and no wait for a writer
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.string());
    const Expected<Bitmap> reading = ReadBmpFile(c.path.string());
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.problem(), (Problem{c.problem, c.path.string()}));
  }
}

// A file too large to hold a picture this program takes is refused before it is read: a sparse
// file costs nothing on disk, and reading it would allocate its whole size.
TEST_F(BmpReaderFile, AFileLargerThanAnyBitmapIsRefusedUnread) {
  const std::filesystem::path path = dir_ / "huge.bmp";
  std::ofstream(path) << "BM";
  std::filesystem::resize_file(path, kMaxBmpFileBytes + 1);
  EXPECT_EQ(ReadBmpFile(path.string()).problem().message, "the file is too large");
}

}  // namespace
}  // namespace tintara
