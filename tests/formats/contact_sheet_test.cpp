#include "formats/contact_sheet.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/bmp_reader.h"

namespace tintara {
namespace {

constexpr std::uint32_t kPainted = 0xFF102030;

// A true-colour picture of one colour, as a cell's painter gives it.
Bitmap PaintedPicture(int width, int height) {
  Bitmap picture;
  picture.width = width;
  picture.height = height;
  picture.bitsPerPixel = 24;
  picture.pixels.assign(std::size_t(width) * std::size_t(height), kPainted);
  return picture;
}

// The size is known from the cells alone: a sheet too large is refused before any picture is
// painted.
TEST(ContactSheet, ASheetLargerThanAPictureMayBeIsRefusedBeforeAnythingIsPainted) {
  const std::vector<SheetCell> cells(4, SheetCell{1000, 2000, ""});
  const auto paint = [](std::size_t) {
    ADD_FAILURE() << "painted";
    return Bitmap{};
  };
  const Expected<Bitmap> sheet = DrawContactSheet(cells, 4, 3, paint);
  ASSERT_FALSE(sheet);
  EXPECT_EQ(sheet.problem().message,
            "Cannot draw the sheet: it would be 12020 x 6008 pixels, and a picture can have at "
            "most 67108864 pixels; give fewer columns or a smaller scale");
  EXPECT_TRUE(
      DrawContactSheet(cells, 4, 2, [](std::size_t) { return PaintedPicture(1000, 2000); }));
}

// A reader of cells can stop where the sheet is full: the most times over it holds some cells is
// the last it fits for, labels aside, however its columns wrap them.
TEST(ContactSheet, TheMostRepeatsASheetHoldsAreTheLastThatFit) {
  struct Case {
    std::vector<SheetCell> cells;
    int columns;
    int scale;
  };
  const std::vector<SheetCell> pair{{300, 200, ""}, {120, 500, ""}};
  const std::vector<Case> cases{
      {pair, 2, 1},
      {pair, 1, 1},
      {pair, 3, 1},
      {pair, 7, 2},
      {{{30, 20, ""}, {12, 50, ""}}, 40, 1},  // one row for a while, then wrapped
      {{{3000, 2000, ""}}, 100, 1},           // full within its first row
      {{{9000, 8000, ""}}, 1, 1},             // not even once
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::to_string(test.cells.size()) + " cells, " + std::to_string(test.columns) +
                 " columns, scale " + std::to_string(test.scale));
    const auto repeated = [&](std::size_t times) {
      std::vector<SheetCell> cells;
      for (std::size_t t = 0; t < times; ++t) {
        cells.insert(cells.end(), test.cells.begin(), test.cells.end());
      }
      return SheetSizeOf(cells, test.columns, test.scale);
    };
    const std::size_t most = MostSheetRepeats(test.cells, test.columns, test.scale);
    EXPECT_TRUE(SheetFits(repeated(most)));
    EXPECT_FALSE(SheetFits(repeated(most + 1)));
  }
}

// A label is broken at blanks to its cell's width, in ink on the background under the picture.
TEST(ContactSheet, LabelsAreBrokenAtBlanksUnderTheirPictures) {
  const std::vector<SheetCell> cells{{4, 2, "1 2 3 4 5 6 7 8 9 10 11 12 13 14"}};
  const Expected<Bitmap> sheet =
      DrawContactSheet(cells, 1, 1, [](std::size_t) { return PaintedPicture(4, 2); });
  ASSERT_TRUE(sheet);
  // Two lines under the picture: "1 2 3 ... 10 11" takes 23 of its 24 characters, "12 13 14"
  // follows.
  EXPECT_EQ(sheet->height, kSheetGap + 2 + 2 + 2 * 7 + kSheetGap);
  EXPECT_EQ(sheet->width, kSheetGap + 24 * 4 - 1 + kSheetGap);
  const auto at = [&](int x, int y) { return sheet->pixels[std::size_t(y * sheet->width + x)]; };
  EXPECT_EQ(at(kSheetGap, kSheetGap), kPainted);
  EXPECT_EQ(at(kSheetGap + 4, kSheetGap), kSheetBackground);
  // The stem of the "1" that starts the second line is inked, the column right of it is not.
  const int secondLine = kSheetGap + 2 + 2 + 7;
  EXPECT_EQ(at(kSheetGap + 1, secondLine), 0xFF000000u);
  EXPECT_EQ(at(kSheetGap + 2, secondLine), kSheetBackground);
}

}  // namespace
}  // namespace tintara
