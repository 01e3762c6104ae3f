#include "formats/swap_palette.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "formats/read_bytes.h"
#include "paint/painting.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

TEST(SwapPalette, RowsAreTheLoadedColoursThenWhatEachEntryPaints) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  std::vector<int> shown = SlotRange(1, 16);
  shown.erase(shown.begin() + 4);  // slot 5 hidden
  // 16 x 16 pixels: pixel p shows colour-table position p, and slot s lies at 16 + s.
  const Document loaded = LoadedDocument(IndexedBitmap(16, 16, TableWithSet1Markers(shown)));
  const std::vector<CodeBookEntry> entries = {{"84 22 100 7 7 7 ", "Warm \"one\""},
                                              {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 ", {}}};
  const QString png = dir.filePath("swap.png");
  ASSERT_EQ(WriteSwapPalette(png.toStdString(), loaded, entries), std::nullopt);

  const QImage image(png);
  ASSERT_EQ(image.width(), 15);
  ASSERT_EQ(image.height(), 3);
  for (int column = 0; column < 15; ++column) {
    const auto position = static_cast<std::size_t>(16 + shown[static_cast<std::size_t>(column)]);
    EXPECT_EQ(image.pixel(column, 0),
              ToDisplayPixel(loaded.model.work->colourTable[position].colour()));
    for (std::size_t e = 0; e < entries.size(); ++e) {
      Picture painted;
      ASSERT_TRUE(DrawPaintedPicture(*PaintedWithCodes(loaded, entries[e].codes), painted));
      EXPECT_EQ(image.pixel(column, static_cast<int>(e) + 1), painted.pixels[position]);
    }
  }

  const QJsonObject json = QJsonDocument::fromJson(ReadBytes(dir.filePath("swap.json"))).object();
  const QJsonArray columns = json["columns"].toArray();
  ASSERT_EQ(columns.size(), 15);
  EXPECT_EQ(columns[4].toObject()["slot"].toInt(), 6);
  EXPECT_EQ(columns[4].toObject()["group"].toString(), "Skin");
  const QJsonArray jsonEntries = json["entries"].toArray();
  ASSERT_EQ(jsonEntries.size(), 2);
  EXPECT_EQ(jsonEntries[0].toObject()["name"].toString(), "Warm \"one\"");
  EXPECT_EQ(jsonEntries[1].toObject()["codes"].toString(),
            QString::fromStdString(entries[1].codes));
  EXPECT_EQ(jsonEntries[1].toObject()["colours"].toArray()[14].toString(),
            QColor(image.pixel(14, 2)).name().toUpper());
}

}  // namespace
}  // namespace tintara
