#include "cli/palette_command.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <locale>
#include <sstream>

#include "cli/command_options.h"
#include "cli/paint_command.h"
#include "formats/palette_reader.h"
#include "paint/reference_palette.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

// A locale that writes "0,5" and "1.000": what the numbers must not follow.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\1"; }
};

class PaletteCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    output_.imbue(std::locale(std::locale::classic(), new CommaDecimals));
    QFile file("two.hex");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Codes 22 and 84 share the first colour; the second is code 100's.
    file.write("FF7717\n" + QByteArray::fromStdString(HexDigits(100)) + "\n");
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  static std::string HexDigits(int code);

  int Run(std::vector<std::string> arguments,
          int (*command)(const std::vector<std::string>&, std::ostream&,
                         std::ostream&) = RunPaletteCommand) {
    output_.str({});
    errors_.str({});
    arguments.insert(arguments.begin(), "tintara");
    return command(arguments, output_, errors_);
  }

  std::ostringstream output_;
  std::ostringstream errors_;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

std::string PaletteCommand::HexDigits(int code) {
  const Colour colour = ReferenceColour(code);
  char text[7];
  std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

TEST_F(PaletteCommand, PrintsTheCodeStringThenEachColoursCodeAndDistance) {
  EXPECT_EQ(Run({"palette", "two.hex"}), kAllWritten);
  EXPECT_EQ(output_.str(),
            "22 100 224 127 128 129 130 131 132 133 221 219 217 215 210 39 \n"
            "#FF7717 22 0.000\n#" +
                HexDigits(100) + " 100 0.000\n");
  EXPECT_EQ(errors_.str(), "");

  EXPECT_EQ(Run({"palette", "two.hex", "--output", "two.act"}), kAllWritten);
  const Expected<Palette> converted = ReadPaletteFile("two.act");
  ASSERT_TRUE(converted);
  EXPECT_EQ(converted->entries.size(), 2u);
  EXPECT_EQ(converted->entries[0].colour, ReferenceColour(22));
}

TEST_F(PaletteCommand, PaintPaintsWithThePalettesCodeString) {
  ASSERT_TRUE(
      WriteBmpFile("BODY.BMP", IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16)))));
  ASSERT_EQ(Run({"paint", "BODY.BMP", "--palette", "two.hex", "--output", "palette.bmp"},
                RunPaintCommand),
            kAllWritten);
  ASSERT_EQ(Run({"paint", "BODY.BMP", "--codes",
                 "22 100 224 127 128 129 130 131 132 133 221 219 217 215 210 39 ", "--output",
                 "codes.bmp"},
                RunPaintCommand),
            kAllWritten);
  QFile palette("palette.bmp"), codes("codes.bmp");
  ASSERT_TRUE(palette.open(QIODevice::ReadOnly) && codes.open(QIODevice::ReadOnly));
  EXPECT_EQ(palette.readAll(), codes.readAll());
}

TEST_F(PaletteCommand, RefusesWhatItCannotUse) {
  EXPECT_EQ(Run({"palette", "BODY.png"}), kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: Cannot read BODY.png: the file does not exist\n");
  EXPECT_EQ(Run({"palette"}), kUsageError);
  EXPECT_EQ(errors_.str(),
            "tintara palette: Give one palette file.\nTry 'tintara palette --help'.\n");
}

}  // namespace
}  // namespace tintara
