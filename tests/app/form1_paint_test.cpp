#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "board/image_view.h"
#include "board/shape_control.h"
#include "gui/form_fixture.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"

namespace tintara {
namespace {

// The start-up body has every slot at position 16 + slot, and its pixels walk through the table.
class Painting : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    StartForm();
  }

  // The shown colour of colour-table position `index` (pixel i shows index i).
  Colour Shown(int index) const {
    const QImage& picture = form_->control<ImageView>("Image1")->picture();
    return FromDisplayPixel(picture.pixel(index % 16, index / 16));
  }
  QLineEdit* edit() const { return form_->control<QLineEdit>("Edit1"); }
  void Apply(const QString& text) const {
    edit()->setText(text);
    form_->control<QPushButton>("BOldColors")->click();
  }
};

TEST_F(Painting, DefaultCodesReplaceTheMarkersByTheirReferenceColours) {
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  Apply(QString::fromLatin1(kDefaultCodeString));
  EXPECT_EQ(Shown(17), 0x0F0F0Fu);
  EXPECT_EQ(Shown(32), ReferenceColour(39));
  EXPECT_EQ(edit()->text().toStdString(), std::string(kDefaultCodeString) + " ");
  EXPECT_EQ(form_->model().lastCodes, kDefaultCodeString);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Painting, TokensGoToTheirSlotsAndLabelsShowThemAsTyped) {
  Apply("007 $10  300 5");
  EXPECT_EQ(form_->label(6)->text(), "007");
  EXPECT_EQ(form_->label(7)->text(), "$10");
  EXPECT_EQ(form_->label(8)->text(), "224");  // 300 leaves slot 3 alone
  EXPECT_EQ(form_->label(21)->text(), "5");   // a final token without a blank: slot 16
  EXPECT_EQ(Shown(17), ReferenceColour(7));
  EXPECT_EQ(Shown(18), ReferenceColour(16));
  EXPECT_EQ(form_->shape(272)->fill(), QColor::fromRgb(ToDisplayPixel(ReferenceColour(5))));
  EXPECT_TRUE(edit()->text().startsWith("7 16 224 127 "));
  EXPECT_EQ(form_->model().lastCodes, edit()->text().toStdString());
}

TEST_F(Painting, ABadTokenStopsWithTheSlotsBeforeItChangedAndNothingRecoloured) {
  Apply("5 x 7");
  ASSERT_EQ(errors_, QStringList{"'x' is not a valid integer value"});
  EXPECT_EQ(form_->label(6)->text(), "5");
  EXPECT_EQ(form_->model().slots[0].code, 5);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(edit()->text(), "5 x 7");
  EXPECT_EQ(form_->model().lastCodes, kDefaultCodeString);
}

TEST_F(Painting, NegativeCodesLeaveTheirSlotUnchanged) {
  Apply("-5 6 ");
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_EQ(form_->model().slots[0].code, 9);
  EXPECT_EQ(form_->model().slots[1].code, 6);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

TEST_F(Painting, EmptyEditBoxForgetsTheLastCodesAndRestoreThenDoesNothing) {
  Apply("");
  EXPECT_EQ(form_->model().lastCodes, "");
  form_->control<QToolButton>("BitBtn1")->click();
  EXPECT_EQ(edit()->text(), "");
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

TEST_F(Painting, RestoreReappliesTheLastCodes) {
  Apply("1 2 3 ");
  edit()->setText("typed but not applied");
  form_->control<QToolButton>("BitBtn1")->click();
  EXPECT_TRUE(edit()->text().startsWith("1 2 3 127 "));
  EXPECT_EQ(Shown(19), ReferenceColour(3));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Painting, RestoreRightAfterStartUpAppliesTheDefaultCodes) {
  form_->control<QToolButton>("BitBtn1")->click();
  EXPECT_EQ(edit()->text().toStdString(), std::string(kDefaultCodeString) + " ");
  EXPECT_EQ(Shown(17), 0x0F0F0Fu);
}

TEST_F(Painting, EveryEditStartsAgainFromTheWorkBitmap) {
  const Bitmap before = form_->model().work;
  for (int code = 1; code <= 20; ++code) Apply(QStringLiteral("%1 ").arg(code));
  EXPECT_EQ(form_->model().work.indices, before.indices);
  EXPECT_EQ(form_->model().work.colourTable, before.colourTable);
  EXPECT_EQ(Shown(17), ReferenceColour(20));
}

// Pictures come in through "Load Other Bitmap", with the last codes not re-applied, so that the
// load alone shows.
class Loading : public FormTest {
 protected:
  TForm1& StartWithoutColorsOnLoad() {
    TForm1& form = StartForm();
    form.action("ColorsOnLoad")->trigger();
    return form;
  }
  void LoadOther(const QString& name) {
    dialogs_.chosen = path(name);
    form_->action("LoadOtherBitmap1")->trigger();
  }

  DialogAnswers dialogs_;
};

TEST_F(Loading, AMissingFileChangesNothingAndSaysNothing) {
  CopyArtwork({"FEMALE1.BMP"});
  TForm1& form = StartWithoutColorsOnLoad();
  const PaintModel before = form.model();
  const QSize size = form.size();
  LoadOther("NOSUCH.BMP");
  EXPECT_EQ(form.model().slots, before.slots);
  EXPECT_EQ(form.model().work.indices, before.work.indices);
  EXPECT_EQ(form.size(), size);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Loading, ATrueColourPictureIsShownButKeepsTheSlots) {
  CopyArtwork({"FEMALE1.BMP"});
  TForm1& form = StartWithoutColorsOnLoad();
  const SlotRecords slots = form.model().slots;
  const QSize window = form.size();
  Bitmap deep;
  deep.width = 300;
  deep.height = 20;
  deep.bitsPerPixel = 24;
  deep.pixels.assign(300 * 20, 0xFF336699u);
  WriteBitmap("DEEP.BMP", deep);
  LoadOther("DEEP.BMP");
  EXPECT_EQ(form.label(1)->text(), "Bitmap is 300W x 20H");
  EXPECT_EQ(form.control<ImageView>("Image1")->picture().pixel(5, 5), 0xFF336699u);
  EXPECT_EQ(form.model().slots, slots);
  EXPECT_EQ(form.size(), window);
}

TEST_F(Loading, MissingGroupsHideTheirCaptionsAndSlot16ClearsGroup4) {
  WriteBitmap("FEMALE1.BMP", IndexedBitmap(8, 8, TableWithSet1Markers({1, 2, 11})));
  TForm1& form = StartForm();
  EXPECT_FALSE(form.label(3)->isHidden());
  EXPECT_TRUE(form.label(4)->isHidden());
  EXPECT_FALSE(form.label(5)->isHidden());
  EXPECT_TRUE(form.label(22)->isHidden());
  EXPECT_TRUE(form.label(23)->isHidden());
  EXPECT_FALSE(form.control<QCheckBox>("DBGroup4")->isChecked());
  EXPECT_FALSE(form.shape(257)->isHidden());
  EXPECT_TRUE(form.shape(259)->isHidden());
  EXPECT_TRUE(form.label(8)->isHidden());
  EXPECT_EQ(form.label(8)->text(), "224");
}

TEST_F(Loading, TheMarkerSetLabelShowsEvenWithoutAnySlot) {
  WriteBitmap("FEMALE1.BMP", IndexedBitmap(8, 8, TableWithSet1Markers({})));
  TForm1& form = StartForm();
  EXPECT_FALSE(form.control<QLabel>("LSet1")->isHidden());
  for (int s = 257; s <= 272; ++s) EXPECT_TRUE(form.shape(s)->isHidden()) << s;
}

TEST_F(Loading, TheReferencePaletteAsTableLoadsAsMarkerSet2) {
  std::vector<ColourTableEntry> table(256);
  for (int c = 0; c < 256; ++c) {
    const Colour colour = ReferenceColour(c);
    table[c] = {BlueOf(colour), GreenOf(colour), RedOf(colour), 0};
  }
  WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, table));
  TForm1& form = StartForm();
  EXPECT_TRUE(form.model().markerSet2);
  EXPECT_FALSE(form.control<QLabel>("LSet2")->isHidden());
  EXPECT_TRUE(form.control<QLabel>("LSet1")->isHidden());
  for (int s = 1; s <= 16; ++s) EXPECT_EQ(form.label(5 + s)->text().toInt(), 238 + s);
}

}  // namespace
}  // namespace tintara
