#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"
#include "platform/bmp_reader.h"
#include "sources/expected_page.h"
#include "sources/file_dialog.h"
#include "sources/page_opener.h"

namespace tintara {
namespace {

constexpr int kWidth = 21;  // odd, so that BMP rows need padding
constexpr int kHeight = 13;

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window whose start-up body has every slot; the save dialog answers with `dialogs_.chosen` (a
// cancel when empty) and the page opener records what it would open.
class Export : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP",
                IndexedBitmap(kWidth, kHeight, TableWithSet1Markers(SlotRange(1, 16))));
    StartWindow();
  }
  void SaveAs(std::optional<QString> chosen) {
    dialogs_.chosen = chosen;
    action("Save1")->trigger();
  }
  // The page as written: CR LF after every line, the last included.
  QStringList PageLines(const QString& page) const {
    const QByteArray bytes = ReadBytes(page);
    EXPECT_TRUE(bytes.endsWith("\r\n")) << page.toStdString();
    QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    lines.removeLast();
    return lines;
  }
  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
  void Apply(const QString& text) const {
    edit()->setText(text);
    control<QPushButton>("BOldColors")->click();
  }
};

TEST_F(Export, RedJpgWritesThePictureAndItsPageLineByLine) {
  ASSERT_TRUE(QDir().mkpath(path("Skins")));
  edit()->setText("1 2 3 typed, not applied");
  SaveAs(path("Skins/Red.jpg"));
  ASSERT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();

  QImageReader jpeg(path("Skins/Red.jpg"));
  EXPECT_EQ(jpeg.format(), "jpeg");
  const QImage decoded = jpeg.read();
  EXPECT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.size(), QSize(kWidth, kHeight));

  const QString page = path("Skins/red.htm");
  const QStringList lines = PageLines(page);
  const QStringList expected =
      ExpectedPage("Red", "Red.jpg", kWidth, kHeight, "1 2 3 typed, not applied", lines.value(22));

  ASSERT_EQ(lines.size(), 26);
  for (int i = 0; i < 26; ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  EXPECT_TRUE(lines[22].startsWith("Version 2.01.02&nbsp;&nbsp;--&nbsp;&nbsp;"));
  EXPECT_EQ(window_->pictureExport().htmlLines(), lines);
  EXPECT_EQ(opened_, QStringList{page});
}

TEST_F(Export, TheJpegShowsThePaintedPicture) {
  // One colour everywhere, so that compression cannot blur it into its neighbours.
  std::vector<ColourTableEntry> table(256, {0, 0, 0, 0});
  const Colour marker = kSlots[0].set1Marker;
  table[0] = {BlueOf(marker), GreenOf(marker), RedOf(marker), 0};
  Bitmap flat = IndexedBitmap(16, 16, table);
  std::fill(flat.indices.begin(), flat.indices.end(), 0);
  WriteBitmap("FEMALE1.BMP", flat);
  StartWindow();
  Apply("100 ");
  SaveAs(path("flat.jpg"));
  const QColor shown = QImage(path("flat.jpg")).pixelColor(8, 8);
  const QColor painted = QColor::fromRgb(ToDisplayPixel(ReferenceColour(100)));
  EXPECT_NEAR(shown.red(), painted.red(), 3);
  EXPECT_NEAR(shown.green(), painted.green(), 3);
  EXPECT_NEAR(shown.blue(), painted.blue(), 3);
}

TEST_F(Export, EnlargedViewStillGivesTheNaturalSize) {
  control<QCheckBox>("CheckBox1")->click();
  ASSERT_GT(control<PictureView>("Image1")->width(), kWidth);
  SaveAs(path("Big.jpg"));
  EXPECT_EQ(PageLines(path("big.htm")).value(7), R"(<IMG SRC="Big.jpg" WIDTH=21 HEIGHT=13>)");
  EXPECT_EQ(QImage(path("Big.jpg")).size(), QSize(kWidth, kHeight));
}

TEST_F(Export, SeveralDotsCutTheTitleAtTheFirstAndTheExtensionAtTheLast) {
  SaveAs(path("my.red.skin.jpg"));
  const QStringList lines = PageLines(path("my.red.skin.htm"));
  EXPECT_EQ(lines.value(2), "<TITLE>my</TITLE>");
  EXPECT_EQ(lines.value(5), "<H1><CENTER>my</CENTER></H1>");
  EXPECT_EQ(lines.value(7), R"(<IMG SRC="my.red.skin.jpg" WIDTH=21 HEIGHT=13>)");
  EXPECT_TRUE(QFile::exists(path("my.red.skin.jpg")));
}

TEST_F(Export, CodeLineCarriesTheEditBoxAsItIs) {
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
    edit()->setText(c.text);
    SaveAs(path("codes.jpg"));
    EXPECT_EQ(PageLines(path("codes.htm")).value(13), c.line);
    EXPECT_EQ(edit()->text(), c.text);
  }
}

TEST_F(Export, CancelWritesAndChangesNothing) {
  SaveAs(path("First.jpg"));
  const QStringList page = window_->pictureExport().htmlLines();
  const QStringList files = QDir(path("")).entryList(QDir::Files);
  opened_.clear();
  edit()->setText("changed");
  SaveAs(std::nullopt);
  EXPECT_EQ(QDir(path("")).entryList(QDir::Files), files);
  EXPECT_EQ(window_->pictureExport().htmlLines(), page);
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Export, BrowserOptionOffWritesBothFilesAndOpensNothing) {
  action("StartBrowser")->trigger();
  ASSERT_FALSE(action("StartBrowser")->isChecked());
  SaveAs(path("Quiet.jpg"));
  EXPECT_TRUE(QFile::exists(path("Quiet.jpg")));
  EXPECT_EQ(PageLines(path("quiet.htm")).size(), 26);
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(Export, SavingTwiceReplacesBothFiles) {
  Apply("1 2 3 ");
  SaveAs(path("Twice.jpg"));
  const QByteArray firstJpeg = ReadBytes(path("Twice.jpg"));
  Apply("200 201 202 ");
  SaveAs(path("Twice.jpg"));
  EXPECT_NE(ReadBytes(path("Twice.jpg")), firstJpeg);
  const QStringList lines = PageLines(path("twice.htm"));
  EXPECT_EQ(lines.size(), 26);
  EXPECT_TRUE(lines.value(13).startsWith("<!--MOXEL--> 200 201 202 "));
  EXPECT_EQ(window_->pictureExport().htmlLines(), lines);
  EXPECT_EQ(opened_, QStringList(2, path("twice.htm")));
}

TEST_F(Export, DialogOffersJpgFirstAndRemembersTheLastChoice) {
  SaveAs(path("One.jpg"));
  SaveAs(std::nullopt);
  SaveAs(path("Two.jpg"));
  ASSERT_EQ(dialogs_.asked.size(), 3u);
  const QStringList filters = {"All (*.jpg;*.jpeg)", "JPEG Image File (*.jpg)",
                               "JPEG Image File (*.jpeg)"};
  for (const Asked& asked : dialogs_.asked) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(asked.defaultExt, "jpg");
    EXPECT_EQ(asked.filters, filters);
  }
  EXPECT_EQ(dialogs_.asked[0].fileName, "");
  EXPECT_EQ(dialogs_.asked[1].fileName, path("One.jpg"));
  EXPECT_EQ(dialogs_.asked[2].fileName, path("One.jpg"));  // the cancel kept it
}

TEST_F(Export, JpegThatCannotBeCreatedStopsBeforeThePage) {
  SaveAs(path("Earlier.jpg"));
  const QStringList earlierPage = window_->pictureExport().htmlLines();
  opened_.clear();

  const struct {
    const char* name;
    const char* chosen;
    const char* page;
  } cases[] = {
      {"directory missing", "NoSuchDir/Red.jpg", "NoSuchDir/red.htm"},
      // A directory stands where the picture should go; it and its contents stay.
      {"directory in the way", "Blue.jpg", "blue.htm"},
  };
  ASSERT_TRUE(QDir().mkpath(path("Blue.jpg")));
  QFile inside(path("Blue.jpg/kept.txt"));
  ASSERT_TRUE(inside.open(QIODevice::WriteOnly) && inside.write("kept") == 4);
  inside.close();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    errors_.clear();
    SaveAs(path(c.chosen));
    EXPECT_EQ(errors_, QStringList{"Cannot create file " + path(c.chosen)});
    EXPECT_FALSE(QFile::exists(path(c.page)));
    EXPECT_EQ(window_->pictureExport().htmlLines(), earlierPage);
    EXPECT_TRUE(opened_.isEmpty());
  }
  EXPECT_EQ(ReadBytes(path("Blue.jpg/kept.txt")), "kept");
  EXPECT_EQ(QDir(path("Blue.jpg")).entryList(QDir::Files), QStringList{"kept.txt"});
}

TEST_F(Export, PageThatCannotBeCreatedLeavesTheJpegWritten) {
  ASSERT_TRUE(QDir().mkpath(path("red.htm/inside")));
  SaveAs(path("Red.jpg"));
  EXPECT_EQ(errors_, QStringList{"Cannot create file " + path("red.htm")});
  EXPECT_EQ(QImage(path("Red.jpg")).size(), QSize(kWidth, kHeight));
  EXPECT_TRUE(QFileInfo(path("red.htm")).isDir());
  EXPECT_TRUE(opened_.isEmpty());
}

// Convert and Save: the menu entry is disabled, so the test enables it to run it.
class Convert : public Export {
 protected:
  QString converted() const { return path("converted.bmp"); }
  void Run() const {
    QAction* entry = action("ConvertandSave1");
    entry->setEnabled(true);
    entry->trigger();
    entry->setEnabled(false);
  }
  Colour Shown(int index) const {
    const QImage& picture = control<PictureView>("Image1")->picture();
    return FromDisplayPixel(picture.pixel(index % kWidth, index / kWidth));
  }
};

constexpr char kConversionCodes[] =
    "239 240 241 242 243 244 245 246 247 248 249 250 251 252 253 254";

TEST_F(Convert, DisabledEntryStartsNothing) {
  QAction* entry = action("ConvertandSave1");
  ASSERT_FALSE(entry->isEnabled());
  const SlotRecords slots = session().model().slots;
  edit()->setText("typed");
  entry->trigger();
  EXPECT_FALSE(QFile::exists(converted()));
  EXPECT_EQ(session().model().slots, slots);
  EXPECT_EQ(edit()->text(), "typed");
}

TEST_F(Convert, PaintsSet2MarkersKeepsTheEditBoxAndWritesTheBitmap) {
  edit()->setText("typed, not applied");
  Run();
  ASSERT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  EXPECT_EQ(edit()->text(), "typed, not applied");
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(session().model().slots[s - 1].code, 238 + s);
    EXPECT_EQ(label(5 + s)->text(), QString::number(238 + s));
    EXPECT_EQ(Shown(16 + s), kSlots[s - 1].set2Marker);
  }

  const QImage& picture = control<PictureView>("Image1")->picture();
  const std::optional<Bitmap> written = ReadBmpFile(converted().toStdString());
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->bitsPerPixel, 24);
  ASSERT_EQ(written->width, kWidth);
  ASSERT_EQ(written->height, kHeight);
  const QImage asQt(converted());
  ASSERT_EQ(asQt.size(), QSize(kWidth, kHeight));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint32_t pixel = picture.pixel(x, y);
      ASSERT_EQ(written->pixels[static_cast<std::size_t>(y * kWidth + x)] | 0xFF000000u, pixel)
          << x << "," << y;
      ASSERT_EQ(asQt.pixel(x, y), pixel) << x << "," << y;
    }
  }

  // The conversion codes became the last codes: restoring applies them.
  Apply("1 2 3 ");
  ASSERT_EQ(session().model().slots[0].code, 1);
  Run();
  control<QToolButton>("BitBtn1")->click();
  EXPECT_EQ(edit()->text().trimmed(), kConversionCodes);
}

TEST_F(Convert, ASecondRunReplacesTheFile) {
  QFile old(converted());
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("not a bitmap") > 0);
  old.close();
  Run();
  const QByteArray first = ReadBytes(converted());
  EXPECT_TRUE(first.startsWith("BM"));
  Run();
  EXPECT_EQ(ReadBytes(converted()), first);
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_EQ(QDir(path("")).entryList({"converted.bmp*"}, QDir::Files),
            QStringList{"converted.bmp"});
}

TEST_F(Convert, UnwritableFileIsReportedWithThePictureConverted) {
  ASSERT_TRUE(QDir().mkpath(path("converted.bmp/inside")));
  edit()->setText("kept");
  Run();
  EXPECT_EQ(errors_, QStringList{"Cannot create file " + converted()});
  EXPECT_EQ(edit()->text(), "kept");
  EXPECT_EQ(Shown(17), kSlots[0].set2Marker);
  EXPECT_EQ(session().model().slots[15].code, 254);
}

}  // namespace
}  // namespace tintara
