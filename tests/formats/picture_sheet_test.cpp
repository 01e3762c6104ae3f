#include "formats/picture_sheet.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "formats/contact_sheet.h"

namespace tintara {
namespace {

Picture Filled(int width, int height, std::uint32_t pixel) {
  Picture picture;
  EXPECT_TRUE(picture.Resize(width, height));
  std::fill(picture.pixels.begin(), picture.pixels.end(), pixel);
  return picture;
}

TEST(PictureSheet, PutsEachShownPictureInItsCellAtTheScale) {
  QTemporaryDir dir;
  const Picture red = Filled(3, 2, 0xFFFF0000);
  const Picture blue = Filled(2, 4, 0xFF0000FF);
  const std::vector<const Picture*> pictures{&red, &blue};
  const std::vector<std::string> labels{"", ""};
  const std::string path = dir.filePath("sheet.png").toStdString();
  ASSERT_EQ(WritePictureSheet(path, pictures, labels, 1, 2), std::nullopt);
  const QImage sheet(QString::fromStdString(path));
  ASSERT_FALSE(sheet.isNull());
  // One column: the blue picture's cell starts below the red one's, as high as its picture.
  EXPECT_EQ(sheet.pixel(kSheetGap, kSheetGap), 0xFFFF0000u);
  EXPECT_EQ(sheet.pixel(kSheetGap + 5, kSheetGap + 3), 0xFFFF0000u);
  EXPECT_EQ(sheet.pixel(kSheetGap + 3, 2 * kSheetGap + 4 + 7), 0xFF0000FFu);
}

}  // namespace
}  // namespace tintara
