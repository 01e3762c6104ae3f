#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "board/image_view.h"
#include "gui/form_fixture.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"
#include "sources/file_dialog.h"

namespace tintara {
namespace {

constexpr int kBodyWidth = 40;  // wide enough that pixel x of row 0 shows colour-table position x

// The start-up body has every slot; each picture has a size of its own, so that the size tells
// which file is shown.
class Reload : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    WriteBitmap("FEMALE1.BMP",
                IndexedBitmap(kBodyWidth, 3, TableWithSet1Markers(SlotRange(1, 16))));
    WriteBitmap("MALE1.BMP", IndexedBitmap(kBodyWidth, 5, TableWithSet1Markers(SlotRange(1, 15))));
    StartForm();
  }

  QLineEdit* edit() const { return form_->control<QLineEdit>("Edit1"); }
  QRadioButton* radio(int n) const {
    return form_->control<QRadioButton>(QStringLiteral("RadioButton%1").arg(n));
  }
  QCheckBox* group(int g) const {
    return form_->control<QCheckBox>(QStringLiteral("DBGroup%1").arg(g));
  }
  void ClickReload() const { form_->control<QPushButton>("BRevert")->click(); }
  void Apply(const QString& text) const {
    edit()->setText(text);
    form_->control<QPushButton>("BOldColors")->click();
  }
  void SetColorsOnLoad(bool on) const {
    if (form_->action("ColorsOnLoad")->isChecked() != on) form_->action("ColorsOnLoad")->trigger();
  }
  const QImage& picture() const { return form_->control<ImageView>("Image1")->picture(); }
  Colour Shown(int index) const { return FromDisplayPixel(picture().pixel(index, 0)); }
  QString Default() const { return QString::fromLatin1(kDefaultCodeString); }
};

TEST_F(Reload, OptionOffLeavesThePictureUnpaintedUnderTheDefaultString) {
  SetColorsOnLoad(false);
  Apply("1 2 3 ");
  edit()->setText("4 5 6 ");
  ClickReload();
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(form_->model().slots[0].code, 9);
  EXPECT_EQ(form_->label(6)->text(), "9");
  EXPECT_EQ(edit()->text(), Default());
  EXPECT_EQ(form_->model().lastCodes, "4 5 6 ");
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Reload, OptionOnReappliesTheRememberedTextToTheFreshFile) {
  edit()->setText("4 5 6 ");
  WriteBitmap("FEMALE1.BMP", IndexedBitmap(kBodyWidth, 7, TableWithSet1Markers(SlotRange(1, 16))));
  ClickReload();
  EXPECT_EQ(picture().size(), QSize(kBodyWidth, 7));
  EXPECT_EQ(form_->label(1)->text(), "Bitmap is 40W x 7H");
  EXPECT_EQ(Shown(17), ReferenceColour(4));
  EXPECT_EQ(Shown(19), ReferenceColour(6));
  EXPECT_EQ(Shown(20), kSlots[3].set1Marker);  // a slot the text does not name stays unpainted
  EXPECT_TRUE(edit()->text().startsWith("4 5 6 127 128 "));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Reload, EmptyEditBoxForgetsTheLastCodesAndReappliesNothing) {
  Apply("1 2 3 ");
  edit()->setText("");
  ClickReload();
  EXPECT_EQ(form_->model().lastCodes, "");
  EXPECT_EQ(edit()->text(), Default());
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

TEST_F(Reload, TextHoldingTheDefaultStringIsNotRemembered) {
  Apply("1 2 3 ");
  const std::string last = form_->model().lastCodes;
  edit()->setText("x " + Default() + " y");
  ClickReload();
  EXPECT_EQ(form_->model().lastCodes, last);
  EXPECT_EQ(Shown(17), ReferenceColour(1));
}

TEST_F(Reload, BadTokenInTheLastCodesStopsWithThePictureUnpainted) {
  edit()->setText("5 x 7");
  ClickReload();
  EXPECT_EQ(errors_, QStringList{"'x' is not a valid integer value"});
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(edit()->text(), "5 x 7");
  EXPECT_EQ(form_->model().lastCodes, "5 x 7");
}

TEST_F(Reload, AFailedLoadStillReportsTheSizeOfThePictureShown) {
  ASSERT_TRUE(QFile::remove(path("FEMALE1.BMP")));
  StartForm();  // keeps the design picture, and nothing has reported its size yet
  ASSERT_EQ(form_->label(1)->text(), "");
  ASSERT_FALSE(picture().isNull());
  SetColorsOnLoad(false);
  ClickReload();
  EXPECT_EQ(form_->label(1)->text(),
            QStringLiteral("Bitmap is %1W x %2H").arg(picture().width()).arg(picture().height()));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Reload, TicksAllFourGroupsExceptGroup4WithoutSlot16) {
  for (int g = 1; g <= kGroupCount; ++g) group(g)->setChecked(false);
  ClickReload();
  for (int g = 1; g <= kGroupCount; ++g) EXPECT_TRUE(group(g)->isChecked()) << g;

  radio(1)->click();  // MALE1.BMP has no slot 16
  for (int g = 1; g <= 3; ++g) EXPECT_TRUE(group(g)->isChecked()) << g;
  EXPECT_FALSE(group(4)->isChecked());
}

TEST_F(Reload, TwiceEndsLikeOnce) {
  for (bool option : {true, false}) {
    SCOPED_TRACE(option ? "option on" : "option off");
    SetColorsOnLoad(option);
    // All 16 codes: a shorter text would leave slots unpainted in the first run only, as the
    // second run re-applies the full code string the first one wrote.
    edit()->setText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");
    ClickReload();
    const QImage once = picture().copy();
    const SlotRecords slots = form_->model().slots;
    const QString text = edit()->text();
    ClickReload();
    EXPECT_EQ(picture(), once);
    EXPECT_EQ(form_->model().slots, slots);
    EXPECT_EQ(edit()->text(), text);
  }
}

TEST_F(Reload, RadioButtonsReloadOnlyWhenTheSelectionChanges) {
  // Neither picture has slot 16: each load ticks group 4 and clears it again.
  WriteBitmap("MALE2.BMP", IndexedBitmap(kBodyWidth, 6, TableWithSet1Markers(SlotRange(1, 15))));
  radio(1)->click();
  ASSERT_EQ(picture().size(), QSize(kBodyWidth, 5));
  QSignalSpy group4(group(4), &QCheckBox::toggled);
  group(1)->setChecked(false);
  edit()->setText("typed");
  radio(1)->click();
  EXPECT_EQ(group4.count(), 0);
  EXPECT_FALSE(group(1)->isChecked());
  EXPECT_EQ(edit()->text(), "typed");

  radio(5)->click();
  EXPECT_EQ(picture().size(), QSize(kBodyWidth, 6));
  EXPECT_EQ(group4.count(), 2);
  radio(1)->click();
  EXPECT_EQ(picture().size(), QSize(kBodyWidth, 5));
  EXPECT_EQ(group4.count(), 4);
}

TEST_F(Reload, EveryRadioButtonLoadsItsOwnFile) {
  const struct {
    int radio;
    const char* file;
  } cases[] = {{1, "MALE1.BMP"}, {2, "FEMALE1.BMP"}, {3, "PELLHEAD.BMP"}, {4, "DESIGNGRID.BMP"},
               {5, "MALE2.BMP"}, {6, "FEMALE2.BMP"}, {7, "MALE3.BMP"},    {8, "FEMALE3.BMP"}};
  for (const auto& c : cases) {
    WriteBitmap(c.file, IndexedBitmap(10 + c.radio, 2, TableWithSet1Markers({1})));
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    radio(c.radio)->click();
    EXPECT_EQ(picture().width(), 10 + c.radio);
  }
}

// "Load Other Bitmap", answered by `dialogs_.chosen` (a cancel when empty).
class LoadOther : public Reload {
 protected:
  void Choose(std::optional<QString> chosen) {
    dialogs_.chosen = std::move(chosen);
    form_->action("LoadOtherBitmap1")->trigger();
  }

  DialogAnswers dialogs_;
};

TEST_F(LoadOther, LoadsTheFullPathAndReloadFindsItThereAgain) {
  // A file of the same name in the program directory must not be the one loaded.
  WriteBitmap("HAT.bmp", IndexedBitmap(8, 8, TableWithSet1Markers({1})));
  ASSERT_TRUE(QDir().mkpath(path("Art")));
  WriteBitmap("Art/HAT.bmp", IndexedBitmap(30, 7, TableWithSet1Markers({1, 2})));
  Choose(path("Art/HAT.bmp"));
  EXPECT_EQ(radio(4)->text(), "Hat");
  EXPECT_TRUE(radio(4)->isChecked());
  EXPECT_EQ(form_->gridFile(), path("Art/HAT.bmp"));
  EXPECT_EQ(picture().size(), QSize(30, 7));
  EXPECT_EQ(form_->label(1)->text(), "Bitmap is 30W x 7H");

  radio(2)->click();
  ASSERT_EQ(picture().size(), QSize(kBodyWidth, 3));
  radio(4)->click();
  EXPECT_EQ(picture().size(), QSize(30, 7));
  WriteBitmap("Art/HAT.bmp", IndexedBitmap(31, 7, TableWithSet1Markers({1, 2})));
  ClickReload();
  EXPECT_EQ(picture().size(), QSize(31, 7));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(LoadOther, CaptionIsTheNameBeforeTheFirstDot) {
  Choose(path("my.skin.BMP"));
  EXPECT_EQ(radio(4)->text(), "My");
  Choose(path(".bmp"));
  EXPECT_EQ(radio(4)->text(), "");
}

TEST_F(LoadOther, DialogAsksForBitmapsAndRemembersTheLastChoice) {
  Choose(path("one.bmp"));
  Choose(std::nullopt);
  Choose(path("two.bmp"));
  ASSERT_EQ(dialogs_.asked.size(), 3u);
  for (const DialogAnswers::Asked& asked : dialogs_.asked) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Open);
    EXPECT_EQ(asked.defaultExt, "bmp");
    EXPECT_EQ(asked.filters, QStringList{"Bitmaps (*.bmp)"});
  }
  EXPECT_EQ(dialogs_.asked[0].fileName, "");
  EXPECT_EQ(dialogs_.asked[1].fileName, path("one.bmp"));
  EXPECT_EQ(dialogs_.asked[2].fileName, path("one.bmp"));
}

TEST_F(LoadOther, CancelChangesNothing) {
  edit()->setText("typed");
  const QImage before = picture().copy();
  Choose(std::nullopt);
  EXPECT_EQ(radio(4)->text(), "Design Grid");
  EXPECT_EQ(form_->gridFile(), "DESIGNGRID.BMP");
  EXPECT_TRUE(radio(2)->isChecked());
  EXPECT_EQ(picture(), before);
  EXPECT_EQ(edit()->text(), "typed");
}

TEST_F(LoadOther, AMissingFileStillTakesCaptionAndGridFileAndKeepsThePicture) {
  SetColorsOnLoad(false);
  Choose(path("nowhere/GHOST.bmp"));
  EXPECT_EQ(radio(4)->text(), "Ghost");
  EXPECT_EQ(form_->gridFile(), path("nowhere/GHOST.bmp"));
  EXPECT_TRUE(radio(4)->isChecked());
  EXPECT_EQ(picture().size(), QSize(kBodyWidth, 3));
  EXPECT_EQ(form_->label(1)->text(), "Bitmap is 40W x 3H");
  EXPECT_EQ(edit()->text(), Default());
  EXPECT_TRUE(errors_.isEmpty());
}

}  // namespace
}  // namespace tintara
