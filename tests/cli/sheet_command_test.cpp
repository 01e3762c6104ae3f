#include "cli/sheet_command.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "cli/paint_command.h"
#include "formats/contact_sheet.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

// Two inputs of different sizes, and a codes file of two lines, in a temporary folder.
class SheetCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    const auto table = TableWithSet1Markers(SlotRange(1, 16));
    ASSERT_TRUE(WriteBmpFile("WIDE.BMP", IndexedBitmap(16, 4, table)));
    ASSERT_TRUE(WriteBmpFile("TALL.BMP", IndexedBitmap(7, 9, table)));
    QFile codes("codes.txt");
    ASSERT_TRUE(codes.open(QIODevice::WriteOnly));
    codes.write(
        "# two rows\n17 18 19 200 33 # Red\n\n5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 \n");
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  // Runs the command; what it tells on its standard error goes into `told` when given, and must
  // be nothing when not.
  static int Run(const char* command, const QStringList& arguments, std::string* told = nullptr) {
    std::vector<std::string> commandLine{"tintara", command};
    for (const QString& argument : arguments) commandLine.push_back(argument.toStdString());
    std::ostringstream output;
    std::ostringstream errors;
    const int status = std::string(command) == "sheet"
                           ? RunSheetCommand(commandLine, TINTARA_ART_DIR, output, errors)
                           : RunPaintCommand(commandLine, output, errors);
    if (told) {
      *told = errors.str();
    } else {
      EXPECT_EQ(errors.str(), "");
    }
    return status;
  }
  static void Store(const QString& name, const QByteArray& text) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  }

  // Whether the sheet shows the picture with its top left corner at (left, top), and the
  // background over the rest of the cell.
  static void ExpectCell(const QImage& sheet, const QImage& picture, int left, int top,
                         const QSize& cell) {
    for (int y = 0; y < cell.height(); ++y) {
      for (int x = 0; x < cell.width(); ++x) {
        const bool inside = x < picture.width() && y < picture.height();
        const QRgb expected = inside ? picture.pixel(x, y) : kSheetBackground;
        ASSERT_EQ(sheet.pixel(left + x, top + y), expected) << "at " << x << ", " << y;
      }
    }
  }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// Every cell is the input painted as `tintara paint` writes it, each column as wide as its widest
// picture and each row as high as its highest.
TEST_F(SheetCommand, EveryCellIsWhatPaintWrites) {
  constexpr int kGap = kSheetGap;
  for (const int scale : {1, 3}) {
    const QString scaled = QString::number(scale);
    ASSERT_EQ(Run("paint", {"WIDE.BMP", "TALL.BMP", "--codes-file", "codes.txt", "--output",
                            "{name}-{n}.png", "--scale", scaled}),
              kAllWritten);
    const QImage painted[2][2] = {{QImage("WIDE-2.png"), QImage("TALL-2.png")},
                                  {QImage("WIDE-4.png"), QImage("TALL-4.png")}};
    const QSize wide(16 * scale, 4 * scale);
    const QSize tall(7 * scale, 9 * scale);

    // A row a code string, a column an input.
    ASSERT_EQ(Run("sheet", {"WIDE.BMP", "TALL.BMP", "--codes-file", "codes.txt", "--output",
                            "grid.png", "--scale", scaled}),
              kAllWritten);
    const QImage grid("grid.png");
    ASSERT_EQ(grid.size(),
              QSize(wide.width() + tall.width() + 3 * kGap, 2 * tall.height() + 3 * kGap));
    for (int row = 0; row < 2; ++row) {
      const int top = kGap + row * (tall.height() + kGap);
      ExpectCell(grid, painted[row][0], kGap, top, {wide.width(), tall.height()});
      ExpectCell(grid, painted[row][1], 2 * kGap + wide.width(), top, tall);
    }

    // The same cells in reading order, wrapped into one column.
    ASSERT_EQ(Run("sheet", {"WIDE.BMP", "TALL.BMP", "--codes-file", "codes.txt", "--output",
                            "column.png", "--scale", scaled, "--columns", "1"}),
              kAllWritten);
    const QImage column("column.png");
    ASSERT_EQ(column.width(), wide.width() + 2 * kGap);
    int top = kGap;
    for (int cell = 0; cell < 4; ++cell) {
      const QSize size = cell % 2 == 0 ? wide : tall;
      ExpectCell(column, painted[cell / 2][cell % 2], kGap, top, {wide.width(), size.height()});
      top += size.height() + kGap;
    }
    ASSERT_EQ(column.height(), top);
  }
}

// Random rows are painted as `tintara paint --random` paints with each row's seed.
TEST_F(SheetCommand, RandomRowsTakeOneSeedEach) {
  ASSERT_EQ(Run("paint", {"WIDE.BMP", "--random", "--seed", "8", "--output", "eight.png"}),
            kAllWritten);
  ASSERT_EQ(Run("sheet",
                {"WIDE.BMP", "--random", "--seed", "7", "--count", "2", "--output", "random.png"}),
            kAllWritten);
  ExpectCell(QImage("random.png"), QImage("eight.png"), kSheetGap, 2 * kSheetGap + 4, {16, 4});
}

// Pixels whose indices lie past the colour table are drawn as `tintara paint` draws them.
TEST_F(SheetCommand, IndicesPastTheColourTableAreDrawnAsPaintDrawsThem) {
  std::vector<ColourTableEntry> table = TableWithSet1Markers(SlotRange(1, 16));
  table.resize(40);
  Bitmap bitmap = IndexedBitmap(16, 4, table);
  bitmap.indices[3] = 200;
  bitmap.indices[50] = 255;
  ASSERT_TRUE(WriteBmpFile("SHORT.BMP", bitmap));
  ASSERT_EQ(Run("paint", {"SHORT.BMP", "--codes", "17 18 19", "--output", "painted.png"}),
            kAllWritten);
  ASSERT_EQ(Run("sheet", {"SHORT.BMP", "--codes", "17 18 19", "--output", "sheet.png"}),
            kAllWritten);
  ExpectCell(QImage("sheet.png"), QImage("painted.png"), kSheetGap, kSheetGap, {16, 4});
}

// A codes file with more code strings than the sheet can hold is refused once one more than it
// holds is read, before the rest: standard input, a regular file here, is read no further.
TEST_F(SheetCommand, CodeStringsPastWhatTheSheetHoldsAreNotRead) {
  ASSERT_TRUE(
      WriteBmpFile("BIG.BMP", IndexedBitmap(1000, 1000, TableWithSet1Markers(SlotRange(1, 16)))));
  const QByteArray lines = QByteArray("17\n").repeated(100000);
  Store("many.txt", lines);
  const int savedInput = ::dup(STDIN_FILENO);
  const int file = ::open("many.txt", O_RDONLY);
  ASSERT_GE(file, 0);
  ::dup2(file, STDIN_FILENO);
  ::close(file);
  std::string told;
  const int status = Run("sheet", {"BIG.BMP", "--codes-file", "-", "--output", "sheet.png"}, &told);
  const off_t read = ::lseek(STDIN_FILENO, 0, SEEK_CUR);
  ::dup2(savedInput, STDIN_FILENO);
  ::close(savedInput);
  EXPECT_EQ(status, kSomethingBad);
  EXPECT_TRUE(told.starts_with("tintara: Cannot draw the sheet: the first ")) << told;
  EXPECT_NE(told.find(" code strings of standard input would make it "), std::string::npos);
  EXPECT_LT(read, lines.size() / 2);
  EXPECT_FALSE(QFile::exists("sheet.png"));
}

// The same problem on many lines is told twenty times, and how many more at the end.
TEST_F(SheetCommand, ManyLinesWithOneProblemAreToldTwentyTimes) {
  Store("bad.txt", QByteArray("5 x\n").repeated(22) + "17\n");
  std::string told;
  EXPECT_EQ(Run("sheet", {"WIDE.BMP", "--codes-file", "bad.txt", "--output", "s.png"}, &told),
            kSomethingBad);
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 21) << told;
  EXPECT_TRUE(
      told.ends_with("\ntintara: bad.txt: 'x' is not a valid integer value … and 2 more "
                     "lines like this\n"))
      << told;
  EXPECT_TRUE(QFile::exists("s.png"));
}

}  // namespace
}  // namespace tintara
