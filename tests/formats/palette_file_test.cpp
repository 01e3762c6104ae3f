#include "formats/palette_file.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "formats/message_of.h"
#include "formats/painted_work.h"
#include "formats/palette_reader.h"
#include "formats/read_bytes.h"

namespace tintara {
namespace {

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

class PaletteFile : public PaintedWork {
 protected:
  // Writes the palette, which must succeed.
  void Save(const QString& path) const { EXPECT_EQ(ProblemSaving(path), ""); }
  // What stood in the way of writing it; empty when it was written.
  QString ProblemSaving(const QString& path) const {
    return MessageOf(WritePalette(path.toStdString(), work_, slots_, painted_));
  }
};

TEST_F(PaletteFile, GplNamesTheSlotsAndPalHasTheCountBothWithThePaintedColours) {
  slots_[2] = {5, 224, 0};
  slots_[9] = {kNotLocated, 8, 0};
  Save(path("Red skin.gpl"));
  Save(path("red.PAL"));
  const std::vector<QRgb> colours(painted_.begin(), painted_.begin() + kEntries);

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

TEST_F(PaletteFile, ActHexAndTxtHoldThePaintedColoursAsTheReadersReadThem) {
  const std::vector<QRgb> colours(painted_.begin(), painted_.begin() + kEntries);
  for (const char* name : {"red.act", "red.hex", "red.TXT"}) {
    SCOPED_TRACE(name);
    Save(path(name));
    const Expected<Palette> read = ReadPaletteFile(path(name).toStdString());
    ASSERT_TRUE(read) << read.problem().message;
    std::vector<QRgb> readColours;
    for (const PaletteEntry& entry : read->entries) {
      readColours.push_back(ToDisplayPixel(entry.colour));
    }
    EXPECT_EQ(readColours, colours);
  }
  EXPECT_EQ(ReadBytes(path("red.act")).size(), 772);
}

TEST_F(PaletteFile, EachRefusalSaysWhyAndWritesNothing) {
  ASSERT_TRUE(QDir().mkpath(path("taken.gpl/inside")));
  const struct {
    const char* chosen;
    QString message;
  } cases[] = {
      {"colours.png",
       "Cannot save colours.png: a palette is saved as .gpl, .pal, .act, .hex or .txt"},
      {"taken.gpl", "Cannot create file " + path("taken.gpl") + ": it is a folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(ProblemSaving(path(c.chosen)), c.message);
    EXPECT_EQ(entries(), QStringList{"taken.gpl"});
  }
}

}  // namespace
}  // namespace tintara
