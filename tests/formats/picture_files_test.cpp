#include "formats/picture_files.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include "formats/expected_page.h"
#include "formats/html_page.h"
#include "formats/message_of.h"
#include "formats/read_bytes.h"
#include "paint/picture.h"
#include "platform/bmp_reader.h"
#include "platform/jpeg_writer.h"

namespace tintara {
namespace {

constexpr int kWidth = 21;  // odd, so that BMP rows need padding
constexpr int kHeight = 13;

// Far from any day the tests run on, so that a page stamped with the real time shows.
constexpr char kSavedAt[] = "03/02/2001 13:05:09";

// The page as written: CR LF after every line, the last included.
QStringList WrittenLines(const QString& page) {
  const QByteArray bytes = ReadBytes(page);
  EXPECT_TRUE(bytes.endsWith("\r\n")) << page.toStdString();
  QStringList lines = QString::fromLatin1(bytes).split("\r\n");
  lines.removeLast();
  return lines;
}

// The time stamp line the page foot gives for `when`.
QString StampLine(const std::string& when) {
  PageLines foot;
  AddHtmlFoot(foot, when);
  return QString::fromStdString(foot.at(5));
}

// A picture with a different colour in every pixel, saved at kSavedAt.
class JpegFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    Paint(0);
  }

  QString path(const QString& name) const { return dir_.filePath(name); }
  // Gives every pixel its own colour, shifted by `shade`.
  void Paint(int shade) {
    ASSERT_TRUE(picture_.Resize(kWidth, kHeight));
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const QColor colour((x * 12 + shade) % 256, (y * 19 + shade) % 256, (x + y) * 7 % 256);
        picture_.pixels[static_cast<std::size_t>(y * kWidth + x)] = colour.rgb();
      }
    }
  }
  // Writes the JPEG and its page, which must succeed.
  void SaveAs(const QString& path, const QString& code = {}) const {
    EXPECT_EQ(ProblemSaving(path, code), "");
  }
  // What stood in the way of writing them; empty when they were written.
  QString ProblemSaving(const QString& path, const QString& code = {}) const {
    return MessageOf(
        WriteJpegWithPage(path.toStdString(), picture_, {code.toStdString(), kSavedAt}));
  }

  QTemporaryDir dir_;
  Picture picture_;
};

TEST_F(JpegFiles, RedJpgWritesThePictureAndItsPageLineByLine) {
  ASSERT_TRUE(QDir().mkpath(path("Skins")));
  SaveAs(path("Skins/Red.jpg"), "1 2 3 typed, not applied");

  QImageReader jpeg(path("Skins/Red.jpg"));
  EXPECT_EQ(jpeg.format(), "jpeg");
  const QImage decoded = jpeg.read();
  EXPECT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.size(), QSize(kWidth, kHeight));

  const QStringList lines = WrittenLines(path("Skins/red.htm"));
  const QStringList expected = ExpectedPage("Red", "Red.jpg", kWidth, kHeight,
                                            "1 2 3 typed, not applied", StampLine(kSavedAt));
  ASSERT_EQ(lines.size(), 26);
  for (int i = 0; i < 26; ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST_F(JpegFiles, TheJpegShowsThePaintedPicture) {
  // One colour everywhere, so that compression cannot blur it into its neighbours.
  const QColor painted(200, 100, 50);
  std::fill(picture_.pixels.begin(), picture_.pixels.end(), painted.rgb());
  SaveAs(path("flat.jpg"));
  const QColor shown = QImage(path("flat.jpg")).pixelColor(kWidth / 2, kHeight / 2);
  EXPECT_NEAR(shown.red(), painted.red(), 3);
  EXPECT_NEAR(shown.green(), painted.green(), 3);
  EXPECT_NEAR(shown.blue(), painted.blue(), 3);
}

TEST_F(JpegFiles, SeveralDotsCutTheTitleAtTheFirstAndTheExtensionAtTheLast) {
  SaveAs(path("my.red.skin.jpg"));
  const QStringList lines = WrittenLines(path("my.red.skin.htm"));
  EXPECT_EQ(lines.value(2), "<TITLE>my</TITLE>");
  EXPECT_EQ(lines.value(5), "<H1><CENTER>my</CENTER></H1>");
  EXPECT_EQ(lines.value(7), R"(<IMG SRC="my.red.skin.jpg" WIDTH=21 HEIGHT=13>)");
  EXPECT_TRUE(QFile::exists(path("my.red.skin.jpg")));
}

TEST_F(JpegFiles, CodeLineCarriesTheCodeTextAsItIs) {
  const struct {
    const char* text;
    const char* line;
  } cases[] = {
      {"", "<!--MOXEL--> <BR>"},
      {"9 223 224 ", "<!--MOXEL--> 9 223 224 <BR>"},
      {R"(<b>1 & "2"</b>)", "<!--MOXEL--> &lt;b&gt;1 &amp; &quot;2&quot;&lt;/b&gt;<BR>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    SaveAs(path("codes.jpg"), c.text);
    EXPECT_EQ(WrittenLines(path("codes.htm")).value(13), c.line);
  }
}

TEST_F(JpegFiles, SavingTwiceReplacesBothFiles) {
  SaveAs(path("Twice.jpg"), "1 2 3 ");
  const QByteArray firstJpeg = ReadBytes(path("Twice.jpg"));
  Paint(100);
  SaveAs(path("Twice.jpg"), "200 201 202 ");
  EXPECT_NE(ReadBytes(path("Twice.jpg")), firstJpeg);
  const QStringList lines = WrittenLines(path("twice.htm"));
  EXPECT_EQ(lines.size(), 26);
  EXPECT_EQ(lines.value(13), "<!--MOXEL--> 200 201 202 <BR>");
}

TEST_F(JpegFiles, JpegThatCannotBeCreatedStopsBeforeThePage) {
  const struct {
    const char* name;
    const char* chosen;
    const char* page;
    const char* reason;
  } cases[] = {
      {"directory missing", "NoSuchDir/Red.jpg", "NoSuchDir/red.htm", "the folder does not exist"},
      // A directory stands where the picture should go; it and its contents stay.
      {"directory in the way", "Blue.jpg", "blue.htm", "it is a folder"},
  };
  ASSERT_TRUE(QDir().mkpath(path("Blue.jpg")));
  QFile inside(path("Blue.jpg/kept.txt"));
  ASSERT_TRUE(inside.open(QIODevice::WriteOnly) && inside.write("kept") == 4);
  inside.close();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ProblemSaving(path(c.chosen), "4 5 6 "),
              "Cannot create file " + path(c.chosen) + ": " + c.reason);
    EXPECT_FALSE(QFile::exists(path(c.page)));
  }
  EXPECT_EQ(ReadBytes(path("Blue.jpg/kept.txt")), "kept");
  EXPECT_EQ(QDir(path("Blue.jpg")).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.txt"});
}

// A new picture beside an old page would list other codes than it shows.
TEST_F(JpegFiles, APageThatCannotBeWrittenLeavesTheOldPictureToo) {
  SaveAs(path("Red.jpg"), "1 2 3");
  const QByteArray before = ReadBytes(path("Red.jpg"));
  ASSERT_TRUE(QFile(path("red.htm")).setPermissions(QFileDevice::ReadOwner));
  Paint(40);
  EXPECT_EQ(ProblemSaving(path("Red.jpg"), "4 5 6"),
            "Cannot create file " + path("red.htm") + ": the file is read-only");
  EXPECT_EQ(ReadBytes(path("Red.jpg")), before);
}

TEST_F(JpegFiles, ANameWhosePageIsThePictureItselfIsRefusedBeforeWriting) {
  EXPECT_EQ(ProblemSaving(path("x.htm")),
            "Cannot save as " + path("x.htm") +
                ": the picture and its HTML page would be the same file; choose a name ending in "
                ".jpg");
  EXPECT_TRUE(QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(JpegFiles, APictureTooLargeForJpegIsRefusedBeforeWriting) {
  ASSERT_TRUE(picture_.Resize(kMaxJpegDimension + 1, 1));
  std::fill(picture_.pixels.begin(), picture_.pixels.end(), 0xFF808080u);
  EXPECT_EQ(ProblemSaving(path("Red.jpg")),
            "Cannot save " + path("Red.jpg") +
                " as JPEG: the picture is 65501 x 1 pixels, and a JPEG can be at most 65500 x "
                "65500");
  EXPECT_TRUE(QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(JpegFiles, AReadOnlyJpegIsLeftAsItIs) {
  QFile locked(path("Locked.jpg"));
  ASSERT_TRUE(locked.open(QIODevice::WriteOnly) && locked.write("kept") == 4);
  locked.close();
  ASSERT_TRUE(locked.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  EXPECT_EQ(ProblemSaving(path("Locked.jpg")),
            "Cannot create file " + path("Locked.jpg") + ": the file is read-only");
  EXPECT_EQ(ReadBytes(path("Locked.jpg")), "kept");
  EXPECT_FALSE(QFile::exists(path("locked.htm")));
}

// "Convert and Save" writes into the program directory, given with its trailing separator.
class ConvertedBitmap : public JpegFiles {
 protected:
  QString directory() const { return dir_.path() + "/"; }
  QString converted() const { return path("converted.bmp"); }
  void Convert() const { EXPECT_EQ(ProblemConverting(), ""); }
  QString ProblemConverting() const {
    return MessageOf(WriteConvertedBitmap(picture_, directory().toStdString()));
  }
  // Whether the written file holds the picture's pixels, read by our reader and by Qt's.
  void ExpectThePicture() const {
    const auto written = ReadBmpFile(converted().toStdString());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->bitsPerPixel, 24);
    ASSERT_EQ(written->width, kWidth);
    ASSERT_EQ(written->height, kHeight);
    const QImage asQt(converted());
    ASSERT_EQ(asQt.size(), QSize(kWidth, kHeight));
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const auto i = static_cast<std::size_t>(y * kWidth + x);
        const std::uint32_t pixel = picture_.pixels[i] | 0xFF000000u;
        ASSERT_EQ(written->pixels[i] | 0xFF000000u, pixel) << x << "," << y;
        ASSERT_EQ(asQt.pixel(x, y), pixel) << x << "," << y;
      }
    }
  }
};

TEST_F(ConvertedBitmap, HoldsThePicturesPixelsAt24Bits) {
  Convert();
  ExpectThePicture();
}

TEST_F(ConvertedBitmap, ASecondRunReplacesTheFile) {
  QFile old(converted());
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("not a bitmap") > 0);
  old.close();
  Convert();
  EXPECT_TRUE(ReadBytes(converted()).startsWith("BM"));
  Paint(100);
  Convert();
  ExpectThePicture();
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"converted.bmp"});
}

TEST_F(ConvertedBitmap, UnwritableFileIsReported) {
  ASSERT_TRUE(QDir().mkpath(path("converted.bmp/inside")));
  EXPECT_EQ(ProblemConverting(),
            "Cannot create file " + directory() + "converted.bmp: it is a folder");
  EXPECT_TRUE(QFileInfo(path("converted.bmp/inside")).isDir());
}

}  // namespace
}  // namespace tintara
