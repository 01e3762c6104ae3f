#include "sources/skin_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "paint/picture.h"
#include "platform/bmp_reader.h"
#include "platform/user_error.h"

namespace tintara {
namespace {

constexpr int kWidth = 7;  // odd, so that BMP rows need padding and blocks end on odd edges
constexpr int kHeight = 5;
constexpr std::size_t kEntries = 200;  // fewer than 256, so that a padded table shows

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The message of the UserError the call throws; empty when it throws none.
template <typename Call>
QString UserErrorOf(Call call) {
  try {
    call();
  } catch (const UserError& error) {
    return QString::fromStdString(error.what());
  }
  return {};
}

// A GIMP palette's colour lines, "R G B<TAB>name", as colours and names.
struct PaletteLines {
  QStringList header;
  std::vector<QRgb> colours;
  QStringList names;
};

QRgb ColourOf(const QString& rgb) {
  const QStringList parts = rgb.split(' ', Qt::SkipEmptyParts);
  EXPECT_EQ(parts.size(), 3) << rgb.toStdString();
  return qRgb(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

PaletteLines ReadPalette(const QString& path, const QString& lineEnd, int headerLines) {
  const QString text = QString::fromUtf8(ReadBytes(path));
  EXPECT_TRUE(text.endsWith(lineEnd));
  QStringList lines = text.split(lineEnd);
  lines.removeLast();
  PaletteLines palette;
  palette.header = lines.mid(0, headerLines);
  for (const QString& line : lines.mid(headerLines)) {
    const QStringList parts = line.split('\t');
    palette.colours.push_back(ColourOf(parts.value(0)));
    palette.names << parts.value(1);
  }
  return palette;
}

// An exporter whose dialogs answer with `chosen_` (a cancel when empty), choose the scale item
// `scaleItem_` when set, and record what they were set up with. The work bitmap has its own
// fourth byte in every colour-table entry; the painted table gives every entry its own colour,
// unlike the loaded one, and the picture is the work bitmap drawn through it.
class SkinExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    work_.width = kWidth;
    work_.height = kHeight;
    work_.bitsPerPixel = 8;
    for (std::size_t i = 0; i < kEntries; ++i) {
      const auto v = static_cast<std::uint8_t>(i);
      work_.colourTable.push_back({v, v, v, static_cast<std::uint8_t>(i % 3)});
    }
    for (int i = 0; i < kWidth * kHeight; ++i) {
      work_.indices.push_back(static_cast<std::uint8_t>((i * 11) % kEntries));
    }
    DisplayTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
      const auto v = static_cast<int>(i);
      table[i] = qRgb((v * 37 + 5) % 256, 255 - v, (v * 11 + 3) % 256);
    }
    painted_ = table;
    Draw();
    for (SlotRecord& slot : slots_) slot = {kNotLocated, 1, 0};
  }

  QString path(const QString& name) const { return dir_.filePath(name); }
  QStringList entries() const {
    return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  void Draw() {
    ASSERT_TRUE(picture_.Resize(kWidth, kHeight));
    for (std::size_t i = 0; i < picture_.pixels.size(); ++i) {
      picture_.pixels[i] = (*painted_)[work_.indices[i]];
    }
  }
  QRgb paintedAt(int x, int y) const {
    return (*painted_)[work_.indices[static_cast<std::size_t>(y * kWidth + x)]];
  }
  void SaveSkin(std::optional<QString> chosen, std::optional<int> scaleItem = std::nullopt) {
    chosen_ = std::move(chosen);
    scaleItem_ = scaleItem;
    export_.SaveSkin(work_, picture_, painted_, nullptr);
  }
  void ExportPalette(std::optional<QString> chosen) {
    chosen_ = std::move(chosen);
    export_.ExportPalette(work_, slots_, painted_, nullptr);
  }

  QTemporaryDir dir_;
  Bitmap work_;
  Picture picture_;
  std::optional<DisplayTable> painted_;
  SlotRecords slots_;
  std::optional<QString> chosen_;
  std::optional<int> scaleItem_;
  std::vector<FileDialog> asked_;
  SkinExport export_{[this](FileDialog& dialog, QWidget*) {
    if (scaleItem_) dialog.chosen = *scaleItem_;
    asked_.push_back(dialog);
    return chosen_;
  }};
};

TEST_F(SkinExportTest, BmpIsReadBackWithTheSameIndicesAndThePaintedTable) {
  SaveSkin(path("skin.bmp"));

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
    EXPECT_EQ(qRgb(entry.red, entry.green, entry.blue), (*painted_)[i]) << i;
    EXPECT_EQ(entry.reserved, work_.colourTable[i].reserved) << i;
  }

  const QImage asQt(path("skin.bmp"));
  ASSERT_EQ(asQt.size(), QSize(kWidth, kHeight));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) EXPECT_EQ(asQt.pixel(x, y), paintedAt(x, y)) << x << "," << y;
  }
}

TEST_F(SkinExportTest, PngIsAnIndexedPictureWithThePaintedPalette) {
  SaveSkin(path("skin.png"));

  QImageReader reader(path("skin.png"));
  EXPECT_EQ(reader.format(), "png");
  const QImage png = reader.read();
  ASSERT_EQ(png.format(), QImage::Format_Indexed8);
  ASSERT_EQ(png.size(), QSize(kWidth, kHeight));
  const QList<QRgb> expected(painted_->begin(), painted_->begin() + kEntries);
  EXPECT_EQ(png.colorTable(), expected);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      EXPECT_EQ(png.pixelIndex(x, y), work_.indices[static_cast<std::size_t>(y * kWidth + x)])
          << x << "," << y;
    }
  }
}

TEST_F(SkinExportTest, APixelBeyondTheColourTableKeepsItsPaintedColourInThePng) {
  work_.colourTable.resize(10);
  for (std::size_t i = 0; i < work_.indices.size(); ++i) {
    work_.indices[i] = static_cast<std::uint8_t>(i % 10);
  }
  work_.indices[3] = 12;
  SaveSkin(path("short.png"));
  const QImage png(path("short.png"));
  ASSERT_EQ(png.format(), QImage::Format_Indexed8);
  EXPECT_EQ(png.colorCount(), 13);
  EXPECT_EQ(png.pixelIndex(3, 0), 12);
  EXPECT_EQ(png.pixel(3, 0), (*painted_)[12]);
}

TEST_F(SkinExportTest, TheExtensionChoosesTheTypeWhateverItsCase) {
  SaveSkin(path("UPPER.BMP"));
  SaveSkin(path("Mixed.Png"));
  EXPECT_TRUE(ReadBytes(path("UPPER.BMP")).startsWith("BM"));
  EXPECT_TRUE(ReadBytes(path("Mixed.Png")).startsWith("\x89PNG\r\n"));
}

TEST_F(SkinExportTest, TheScaleIsTheChosenItem) {
  const int scales[] = {1, 2, 3, 4, 8};
  for (int item = 0; item < 5; ++item) {
    SCOPED_TRACE(item);
    SaveSkin(path("scaled.png"), item);
    SaveSkin(path("scaled.bmp"), item);
    const QSize size(kWidth * scales[item], kHeight * scales[item]);
    EXPECT_EQ(QImage(path("scaled.png")).size(), size);
    EXPECT_EQ(QImage(path("scaled.bmp")).size(), size);
  }
}

TEST_F(SkinExportTest, ATrueColourPictureIsSavedAsItsPixels) {
  work_.bitsPerPixel = 24;
  work_.colourTable.clear();
  work_.indices.clear();
  work_.pixels.assign(picture_.pixels.size(), 0xFF0000FFu);  // as loaded, not as painted
  SaveSkin(path("deep.png"));
  SaveSkin(path("deep.bmp"));

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

TEST_F(SkinExportTest, TheDialogOffersPngThenBmpAndTheScaleAndRemembersBoth) {
  SaveSkin(path("One.png"), 3);
  SaveSkin(std::nullopt);
  SaveSkin(path("Two.png"));
  ASSERT_EQ(asked_.size(), 3u);
  for (const FileDialog& asked : asked_) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(asked.defaultExt, "png");
    EXPECT_EQ(asked.filters, (QStringList{"PNG image (*.png)", "Bitmap (*.bmp)"}));
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_EQ(asked.choiceLabel, "Scale");
    EXPECT_EQ(asked.choices, (QStringList{"1x", "2x", "3x", "4x", "8x"}));
  }
  EXPECT_EQ(asked_[0].fileName, "");
  EXPECT_EQ(asked_[1].fileName, path("One.png"));
  EXPECT_EQ(asked_[2].fileName, path("One.png"));  // the cancel kept it
  EXPECT_EQ(asked_[1].chosen, 3);
  EXPECT_EQ(asked_[2].chosen, 3);
  EXPECT_EQ(QImage(path("Two.png")).size(), QSize(kWidth * 4, kHeight * 4));
}

TEST_F(SkinExportTest, CancelWritesNothing) {
  EXPECT_NO_THROW(SaveSkin(std::nullopt));
  EXPECT_NO_THROW(ExportPalette(std::nullopt));
  EXPECT_EQ(asked_.size(), 2u);
  EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SkinExportTest, EachRefusalSaysWhyAndWritesNothing) {
  // A directory stands where the file should go; it and its contents stay.
  ASSERT_TRUE(QDir().mkpath(path("taken.png/inside")));
  ASSERT_TRUE(QDir().mkpath(path("taken.bmp/inside")));
  const struct {
    const char* chosen;
    QString message;
  } cases[] = {
      {"skin.tga", "Cannot save skin.tga: a skin is saved as .png or .bmp"},
      {"skin", "Cannot save skin: a skin is saved as .png or .bmp"},
      {"taken.png", "Cannot create file " + path("taken.png")},
      {"taken.bmp", "Cannot create file " + path("taken.bmp")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(UserErrorOf([&] { SaveSkin(path(c.chosen)); }), c.message);
    EXPECT_EQ(entries(), (QStringList{"taken.bmp", "taken.png"}));
  }
  EXPECT_TRUE(QFileInfo(path("taken.png/inside")).isDir());
}

TEST_F(SkinExportTest, NothingLoadedYetIsSaidBeforeAnyDialog) {
  painted_.reset();
  EXPECT_EQ(UserErrorOf([&] { SaveSkin(path("skin.png")); }),
            "There is no skin to save yet: load a picture first.");
  EXPECT_EQ(UserErrorOf([&] { ExportPalette(path("skin.gpl")); }),
            "There is no palette to export yet: load a picture first.");
  EXPECT_TRUE(asked_.empty());
  EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SkinExportTest, ASkinTooLargeToLoadAgainIsRefused) {
  work_.width = 1025;
  work_.height = 1024;
  work_.indices.assign(1025 * 1024, 0);
  EXPECT_EQ(UserErrorOf([&] { SaveSkin(path("big.png"), 4); }),
            "Cannot save big.png at 8x: the skin would be 8200 x 8192 pixels, and a skin can have "
            "at most 67108864 pixels");
  EXPECT_TRUE(entries().isEmpty());
  EXPECT_NO_THROW(SaveSkin(path("big.bmp"), 3));  // 4x fits
  EXPECT_EQ(QImage(path("big.bmp")).size(), QSize(4100, 4096));
}

TEST_F(SkinExportTest, GplNamesTheSlotsAndPalHasTheCountBothWithThePaintedColours) {
  slots_[2] = {5, 224, 0};
  slots_[9] = {kNotLocated, 8, 0};
  ExportPalette(path("Red skin.gpl"));
  ExportPalette(path("red.PAL"));
  const std::vector<QRgb> colours(painted_->begin(), painted_->begin() + kEntries);

  const PaletteLines gpl = ReadPalette(path("Red skin.gpl"), "\n", 4);
  EXPECT_EQ(gpl.header, (QStringList{"GIMP Palette", "Name: Red skin", "Columns: 16", "#"}));
  EXPECT_EQ(gpl.colours, colours);
  ASSERT_EQ(gpl.names.size(), qsizetype(kEntries));
  EXPECT_EQ(gpl.names[5], "Slot 3: 224");
  EXPECT_EQ(gpl.names[17], "Index 17");

  const PaletteLines pal = ReadPalette(path("red.PAL"), "\r\n", 3);
  EXPECT_EQ(pal.header, (QStringList{"JASC-PAL", "0100", QString::number(kEntries)}));
  EXPECT_EQ(pal.colours, colours);
}

TEST_F(SkinExportTest, ThePaletteDialogOffersGplThenPalAndRemembersTheName) {
  ExportPalette(path("One.gpl"));
  ExportPalette(std::nullopt);
  ASSERT_EQ(asked_.size(), 2u);
  for (const FileDialog& asked : asked_) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(asked.defaultExt, "gpl");
    EXPECT_EQ(asked.filters, (QStringList{"GIMP palette (*.gpl)", "JASC palette (*.pal)"}));
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_TRUE(asked.choices.isEmpty());
  }
  EXPECT_EQ(asked_[0].fileName, "");
  EXPECT_EQ(asked_[1].fileName, path("One.gpl"));
}

TEST_F(SkinExportTest, EachPaletteRefusalSaysWhyAndWritesNothing) {
  ASSERT_TRUE(QDir().mkpath(path("taken.gpl/inside")));
  const struct {
    const char* chosen;
    QString message;
  } cases[] = {
      {"colours.txt", "Cannot save colours.txt: a palette is saved as .gpl or .pal"},
      {"taken.gpl", "Cannot create file " + path("taken.gpl")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(UserErrorOf([&] { ExportPalette(path(c.chosen)); }), c.message);
    EXPECT_EQ(entries(), QStringList{"taken.gpl"});
  }

  work_.bitsPerPixel = 24;
  work_.colourTable.clear();
  asked_.clear();
  EXPECT_EQ(UserErrorOf([&] { ExportPalette(path("deep.gpl")); }),
            "The picture has no palette to export: it has more than 8 bits a pixel and no colour "
            "table.");
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(entries(), QStringList{"taken.gpl"});
}

}  // namespace
}  // namespace tintara
