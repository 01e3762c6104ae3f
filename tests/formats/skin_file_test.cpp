#include "formats/skin_file.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "formats/message_of.h"
#include "formats/painted_work.h"
#include "formats/read_bytes.h"
#include "paint/skin_note.h"
#include "platform/bmp_reader.h"
#include "platform/png_reader.h"

namespace tintara {
namespace {

class SkinFile : public PaintedWork {
 protected:
  // Writes the skin, which must succeed.
  void Save(const QString& path, int scale = 1) const { EXPECT_EQ(ProblemSaving(path, scale), ""); }
  // What stood in the way of writing it; empty when it was written.
  QString ProblemSaving(const QString& path, int scale = 1) const {
    return MessageOf(WriteSkin(path.toStdString(), work_, picture_, painted_, scale, ""));
  }
};

TEST_F(SkinFile, BmpIsReadBackWithTheSameIndicesAndThePaintedTable) {
  Save(path("skin.bmp"));

  const Expected<Bitmap> reading = ReadBmpFile(path("skin.bmp").toStdString());
  ASSERT_TRUE(reading) << reading.problem().message;
  const Bitmap& written = *reading;
  EXPECT_EQ(written.bitsPerPixel, 8);
  EXPECT_EQ(written.width, kWidth);
  EXPECT_EQ(written.height, kHeight);
  EXPECT_EQ(written.indices, work_.indices);
  ASSERT_EQ(written.colourTable.size(), kEntries);
  for (std::size_t i = 0; i < kEntries; ++i) {
    const ColourTableEntry& entry = written.colourTable[i];
    EXPECT_EQ(qRgb(entry.red, entry.green, entry.blue), painted_[i]) << i;
    EXPECT_EQ(entry.reserved, work_.colourTable[i].reserved) << i;
  }

  const QImage asQt(path("skin.bmp"));
  ASSERT_EQ(asQt.size(), QSize(kWidth, kHeight));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) EXPECT_EQ(asQt.pixel(x, y), paintedAt(x, y)) << x << "," << y;
  }
}

TEST_F(SkinFile, PngIsAnIndexedPictureWithThePaintedPalette) {
  Save(path("skin.png"));

  QImageReader reader(path("skin.png"));
  EXPECT_EQ(reader.format(), "png");
  const QImage png = reader.read();
  ASSERT_EQ(png.format(), QImage::Format_Indexed8);
  ASSERT_EQ(png.size(), QSize(kWidth, kHeight));
  const QList<QRgb> expected(painted_.begin(), painted_.begin() + kEntries);
  EXPECT_EQ(png.colorTable(), expected);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      EXPECT_EQ(png.pixelIndex(x, y), work_.indices[static_cast<std::size_t>(y * kWidth + x)])
          << x << "," << y;
    }
  }
}

TEST_F(SkinFile, APixelBeyondTheColourTableKeepsItsPaintedColourInThePng) {
  work_.colourTable.resize(10);
  for (std::size_t i = 0; i < work_.indices.size(); ++i) {
    work_.indices[i] = static_cast<std::uint8_t>(i % 10);
  }
  work_.indices[3] = 12;
  Save(path("short.png"));
  const QImage png(path("short.png"));
  ASSERT_EQ(png.format(), QImage::Format_Indexed8);
  EXPECT_EQ(png.colorCount(), 13);
  EXPECT_EQ(png.pixelIndex(3, 0), 12);
  EXPECT_EQ(png.pixel(3, 0), painted_[12]);
}

// The note keeps the table as loaded and the codes, and the checksum of the palette as written,
// entries added for pixels beyond the table included.
TEST_F(SkinFile, APalettePngKeepsTheNoteItOpensAgainBy) {
  work_.colourTable.resize(10);
  for (std::size_t i = 0; i < work_.indices.size(); ++i) {
    work_.indices[i] = static_cast<std::uint8_t>(i % 13);
  }
  const std::string file = path("noted.png").toStdString();
  ASSERT_EQ(MessageOf(WriteSkin(file, work_, picture_, painted_, 2, "5 6 ")), "");

  const Expected<PngReading> reading = ReadPngFile(file, kSkinNoteKeyword);
  ASSERT_TRUE(reading) << reading.problem().message;
  ASSERT_EQ(reading->bitmap.colourTable.size(), 13u);
  ASSERT_TRUE(reading->text);
  const std::optional<SkinNote> note = ReadSkinNote(*reading->text);
  ASSERT_TRUE(note) << *reading->text;
  EXPECT_EQ(note->loadedTable, work_.colourTable);
  EXPECT_EQ(note->codes, "5 6 ");
  EXPECT_EQ(note->paletteChecksum, PaletteChecksum(reading->bitmap.colourTable));
}

TEST_F(SkinFile, TheExtensionChoosesTheTypeWhateverItsCase) {
  Save(path("UPPER.BMP"));
  Save(path("Mixed.Png"));
  EXPECT_TRUE(ReadBytes(path("UPPER.BMP")).startsWith("BM"));
  EXPECT_TRUE(ReadBytes(path("Mixed.Png")).startsWith("\x89PNG\r\n"));
}

TEST_F(SkinFile, ATrueColourPictureIsSavedAsItsPixels) {
  work_.bitsPerPixel = 24;
  work_.colourTable.clear();
  work_.indices.clear();
  work_.pixels.assign(picture_.pixels.size(), 0xFF0000FFu);  // as loaded, not as painted
  Save(path("deep.png"));
  Save(path("deep.bmp"));

  const auto bmp = ReadBmpFile(path("deep.bmp").toStdString());
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->bitsPerPixel, 24);
  EXPECT_TRUE(std::ranges::equal(bmp->pixels, picture_.pixels));
  const QImage png(path("deep.png"));
  EXPECT_FALSE(png.hasAlphaChannel());
  EXPECT_NE(png.format(), QImage::Format_Indexed8);
  ASSERT_EQ(png.size(), QSize(kWidth, kHeight));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      EXPECT_EQ(png.pixel(x, y), picture_.pixels[static_cast<std::size_t>(y * kWidth + x)]);
    }
  }
}

TEST_F(SkinFile, EachRefusalSaysWhyAndWritesNothing) {
  // A directory stands where the file should go; it and its contents stay.
  ASSERT_TRUE(QDir().mkpath(path("taken.png/inside")));
  ASSERT_TRUE(QDir().mkpath(path("taken.bmp/inside")));
  const struct {
    const char* chosen;
    QString message;
  } cases[] = {
      {"skin.tga", "Cannot save " + path("skin.tga") + ": a skin is saved as .png or .bmp"},
      {"skin", "Cannot save " + path("skin") + ": a skin is saved as .png or .bmp"},
      {"taken.png", "Cannot create file " + path("taken.png") + ": it is a folder"},
      {"taken.bmp", "Cannot create file " + path("taken.bmp") + ": it is a folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(ProblemSaving(path(c.chosen)), c.message);
    EXPECT_EQ(entries(), (QStringList{"taken.bmp", "taken.png"}));
  }
  EXPECT_TRUE(QFileInfo(path("taken.png/inside")).isDir());
}

TEST_F(SkinFile, ASkinTooLargeToLoadAgainIsRefused) {
  work_.width = 1025;
  work_.height = 1024;
  work_.indices.assign(1025 * 1024, 0);
  EXPECT_EQ(ProblemSaving(path("big.png"), 8),
            "Cannot save " + path("big.png") +
                " at 8x: the skin would be 8200 x 8192 pixels, and a skin can have at most "
                "67108864 pixels");
  EXPECT_TRUE(entries().isEmpty());
  Save(path("big.bmp"), 4);
  EXPECT_EQ(QImage(path("big.bmp")).size(), QSize(4100, 4096));
}

}  // namespace
}  // namespace tintara
