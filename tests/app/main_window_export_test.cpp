// The window hands the shown picture, the edit box text and the browser option to the export;
// what the export writes is the export's own tests.
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "platform/bmp_reader.h"

namespace tintara {
namespace {

constexpr int kWidth = 21;
constexpr int kHeight = 13;

QStringList PageLines(const QString& page) {
  QFile file(page);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll()).split("\r\n");
}

// A window whose start-up body has every slot at position 16 + slot.
class Export : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP",
                IndexedBitmap(kWidth, kHeight, TableWithSet1Markers(SlotRange(1, 16))));
    StartWindow();
  }
  void SaveAs(const QString& name) {
    dialogs_.chosen = path(name);
    action("Save1")->trigger();
  }
  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
  const QImage& picture() const { return control<PictureView>("Image1")->picture(); }
};

TEST_F(Export, SavesTheShownPictureWithTheEditBoxAsTypedAndOpensThePage) {
  edit()->setText("1 2 3 typed, not applied");
  SaveAs("Red.jpg");
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  EXPECT_EQ(QImage(path("Red.jpg")).size(), QSize(kWidth, kHeight));
  EXPECT_EQ(PageLines(path("red.htm")).value(13), "<!--MOXEL--> 1 2 3 typed, not applied<BR>");
  EXPECT_EQ(opened_, QStringList{path("red.htm")});
  EXPECT_EQ(edit()->text(), "1 2 3 typed, not applied");
}

TEST_F(Export, TheSavesOfferThePicturesName) {
  dialogs_.chosen = std::nullopt;
  action("Save1")->trigger();
  action("SaveSkin1")->trigger();
  ASSERT_EQ(dialogs_.asked.size(), 2u);
  EXPECT_EQ(dialogs_.asked[0].suggestedName, "Female - Athletic");
  EXPECT_EQ(dialogs_.asked[1].suggestedName, "Female - Athletic");
}

TEST_F(Export, TheEnlargedViewStillGivesTheNaturalSize) {
  control<QCheckBox>("CheckBox1")->click();
  ASSERT_GT(control<PictureView>("Image1")->width(), kWidth);
  SaveAs("Big.jpg");
  EXPECT_EQ(PageLines(path("big.htm")).value(7), R"(<IMG SRC="Big.jpg" WIDTH=21 HEIGHT=13>)");
  EXPECT_EQ(QImage(path("Big.jpg")).size(), QSize(kWidth, kHeight));
}

TEST_F(Export, WithTheBrowserOptionOffNothingIsOpened) {
  action("StartBrowser")->trigger();
  ASSERT_FALSE(action("StartBrowser")->isChecked());
  SaveAs("Quiet.jpg");
  EXPECT_TRUE(QFile::exists(path("quiet.htm")));
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(Export, ASaveIsToldByANoticeThatReadersSeeAsAnAlert) {
  window_->show();
  dialogs_.chosen = path("skin.png");
  action("SaveSkin1")->trigger();
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  ASSERT_TRUE(notice()->isVisible());
  EXPECT_TRUE(notice()->text().startsWith("Saved skin.png")) << notice()->text().toStdString();
  QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(notice());
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
  EXPECT_EQ(alert->text(QAccessible::Name), notice()->text());
  QTest::mouseClick(notice(), Qt::LeftButton);
  EXPECT_FALSE(notice()->isVisible());
}

TEST_F(Export, EveryDialogStartsWhereTheLastChoiceOfAnyWasAcrossStarts) {
  const QString folder = path("a=b\n[Folders]");
  ASSERT_TRUE(QDir().mkpath(folder));
  SaveAs("a=b\n[Folders]/Red.jpg");
  dialogs_.chosen = std::nullopt;
  action("SaveSkin1")->trigger();
  StartWindow();
  action("LoadOtherBitmap1")->trigger();
  ASSERT_EQ(dialogs_.asked.size(), 3u);
  EXPECT_EQ(dialogs_.asked[0].folder, "");
  EXPECT_EQ(dialogs_.asked[1].folder, folder);
  EXPECT_EQ(dialogs_.asked[2].folder, folder);
}

TEST_F(Export, AFileThatCannotBeCreatedIsReported) {
  SaveAs("NoSuchDir/Red.jpg");
  EXPECT_EQ(errors_, QStringList{"Cannot create file " + path("NoSuchDir/Red.jpg") +
                                 ": the folder does not exist"});
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
};

TEST_F(Convert, TheDisabledEntryStartsNothing) {
  QAction* entry = action("ConvertandSave1");
  ASSERT_FALSE(entry->isEnabled());
  edit()->setText("typed");
  entry->trigger();
  EXPECT_FALSE(QFile::exists(converted()));
  EXPECT_EQ(label(6)->text(), "9");
  EXPECT_EQ(edit()->text(), "typed");
}

TEST_F(Convert, WritesTheConvertedPictureAndKeepsTheEditBox) {
  edit()->setText("typed, not applied");
  Run();
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  EXPECT_EQ(edit()->text(), "typed, not applied");
  EXPECT_EQ(label(6)->text(), "239");
  EXPECT_EQ(label(21)->text(), "254");
  const auto written = ReadBmpFile(converted().toStdString());
  ASSERT_TRUE(written.has_value());
  ASSERT_EQ(QSize(written->width, written->height), picture().size());
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(written->pixels[static_cast<std::size_t>(y * kWidth + x)] | 0xFF000000u,
                picture().pixel(x, y))
          << x << "," << y;
    }
  }
}

TEST_F(Convert, AnUnwritableFileIsReportedWithThePictureConverted) {
  ASSERT_TRUE(QDir().mkpath(path("converted.bmp/inside")));
  edit()->setText("kept");
  Run();
  EXPECT_EQ(errors_, QStringList{"Cannot create file " + converted() + ": it is a folder"});
  EXPECT_EQ(edit()->text(), "kept");
  EXPECT_EQ(label(6)->text(), "239");
  EXPECT_EQ(FromDisplayPixel(picture().pixel(17, 0)), kSlots[0].set2Marker);
  EXPECT_EQ(window_->focusWidget(), control<QWidget>("CheckBox1"));
}

}  // namespace
}  // namespace tintara
