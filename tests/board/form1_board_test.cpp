#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "board/hint_switch.h"
#include "board/image_view.h"
#include "board/shape_control.h"
#include "board/switched_hints.h"
#include "gui/form_fixture.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"

namespace tintara {
namespace {

QColor Reference(int code) { return QColor::fromRgb(ToDisplayPixel(ReferenceColour(code))); }

// A shown main window whose start-up body has every slot but 16 at position 16 + slot.
class Board : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 15))));
    StartForm();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    form_->activateWindow();
    QTRY_VERIFY(form_->shape(18)->toolTip() != "");
  }

  // Mouse events go to the window, as the platform delivers them, so that the pressed control
  // keeps the mouse until the release as it does for a user.
  QPoint At(QWidget* control) const {
    return control->mapTo(form_.get(), control->rect().center());
  }
  void Press(QWidget* control, Qt::MouseButton button = Qt::LeftButton) const {
    QTest::mousePress(form_->windowHandle(), button, {}, At(control));
  }
  void Release(QWidget* control, Qt::MouseButton button = Qt::LeftButton) const {
    QTest::mouseRelease(form_->windowHandle(), button, {}, At(control));
  }
  // A real drag: press on the source, move over the target, release there.
  void Drag(QWidget* source, QWidget* target) const {
    Press(source);
    QTest::mouseMove(form_->windowHandle(), At(target));
    Release(target);
  }
  QString Edit() const { return form_->control<QLineEdit>("Edit1")->text(); }
  QColor Sample() const { return form_->control<ShapeControl>("SampleColor")->fill(); }
  QString SampleLabel() const { return form_->control<QLabel>("LSample")->text(); }
  Colour Shown(int index) const {
    const QImage& picture = form_->control<ImageView>("Image1")->picture();
    return FromDisplayPixel(picture.pixel(index % 16, index / 16));
  }
};

TEST_F(Board, FirstActivationFillsColoursAndHintsOnce) {
  const struct {
    int swatch;
    const char* hint;
  } cases[] = {{1, "Code 0 - not used "},
               {2, "Code 1 "},
               {18, "Code 17 "},
               {239, "Code 238 "},
               {240, "Code 239 - not used "},
               {256, "Code 255 - not used "}};
  for (const auto& c : cases) {
    EXPECT_EQ(form_->shape(c.swatch)->toolTip().toStdString(), c.hint);
    EXPECT_EQ(form_->shape(c.swatch)->fill(), Reference(c.swatch - 1));
    EXPECT_EQ(form_->shape(c.swatch)->toolTipDuration(), 5000);
  }
  form_->action("HideHints")->setChecked(true);
  QEvent activation(QEvent::WindowActivate);  // a later activation re-applies nothing
  QApplication::sendEvent(form_.get(), &activation);
  EXPECT_TRUE(ShowsHint(form_->control<QWidget>("Edit1")));
}

TEST_F(Board, HideHintsSwitchesExactlyTheTenControls) {
  form_->action("HideHints")->trigger();
  for (const SwitchedHint& switched : kSwitchedHints) {
    QWidget* control = form_->control<QWidget>(switched.control);
    EXPECT_FALSE(ShowsHint(control)) << switched.control;
    EXPECT_EQ(control->toolTip().toStdString(), switched.hint);
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    EXPECT_TRUE(QApplication::sendEvent(control, &tip)) << switched.control;
  }
  EXPECT_TRUE(ShowsHint(form_->shape(18)));
  EXPECT_TRUE(ShowsHint(form_->label(4)));
  EXPECT_EQ(form_->label(4)->toolTip(), "Click here to apply skin colors");
  form_->action("HideHints")->trigger();
  for (const SwitchedHint& switched : kSwitchedHints) {
    EXPECT_TRUE(ShowsHint(form_->control<QWidget>(switched.control))) << switched.control;
  }
}

TEST_F(Board, DraggingSwatch18OntoSlot1GivesItCode17) {
  Drag(form_->shape(18), form_->shape(257));
  const SlotRecord& slot = form_->model().slots[0];
  EXPECT_EQ(slot.code, 17);
  EXPECT_EQ(slot.colour, ReferenceColour(17));
  EXPECT_EQ(form_->label(6)->text(), "17");
  EXPECT_EQ(form_->shape(257)->fill(), Reference(17));
  EXPECT_TRUE(Edit().startsWith("17 "));
  EXPECT_EQ(Shown(17), ReferenceColour(17));
  EXPECT_EQ(Sample(), Reference(17));
  EXPECT_EQ(SampleLabel(), "17");
  EXPECT_EQ(form_->shape(18)->figure(), ShapeControl::Figure::Circle);
  EXPECT_EQ(form_->shape(1)->figure(), ShapeControl::Figure::Rectangle);
}

TEST_F(Board, SlotOntoSlotCopiesCodeAndShownColour) {
  Drag(form_->shape(262), form_->shape(257));
  EXPECT_EQ(form_->model().slots[0].code, 129);
  EXPECT_EQ(form_->model().slots[0].colour, kSlots[5].set1Marker);
  EXPECT_EQ(form_->label(6)->text(), "129");
  EXPECT_TRUE(Edit().startsWith("129 223 "));
}

TEST_F(Board, DroppingASlotOnItselfChangesNothingButRecolours) {
  const SlotRecords before = form_->model().slots;
  form_->control<QLineEdit>("Edit1")->setText("typed");
  Drag(form_->shape(258), form_->shape(258));
  EXPECT_EQ(form_->model().slots, before);
  EXPECT_EQ(form_->label(7)->text(), "223");
  EXPECT_TRUE(Edit().startsWith("9 223 224 "));
}

TEST_F(Board, ASlotDragReleasedOutsideStillRecoloursAndRewritesTheEditBox) {
  form_->control<QLineEdit>("Edit1")->setText("typed but not applied");
  Drag(form_->shape(258), form_->shape(100));
  EXPECT_TRUE(Edit().startsWith("9 223 224 "));
  EXPECT_EQ(Shown(18), kSlots[1].set1Marker);  // the marker stays: slot 2 still has its colour
}

TEST_F(Board, ABoardDragReleasedElsewhereChangesNothingMore) {
  const SlotRecords before = form_->model().slots;
  Drag(form_->shape(18), form_->shape(100));
  Drag(form_->shape(30), form_->shape(272));  // slot 16 is hidden: not a target
  EXPECT_EQ(form_->model().slots, before);
  EXPECT_EQ(Edit().toStdString(), kDefaultCodeString);
  EXPECT_EQ(SampleLabel(), "29");
  EXPECT_EQ(form_->shape(30)->figure(), ShapeControl::Figure::Circle);
  EXPECT_EQ(form_->shape(18)->figure(), ShapeControl::Figure::Rectangle);
}

TEST_F(Board, EscapeCancelsADragButASlotDragStillEndsWithARecolouring) {
  const SlotRecords before = form_->model().slots;
  form_->control<QLineEdit>("Edit1")->setText("typed");
  Press(form_->shape(258));
  QTest::mouseMove(form_->windowHandle(), At(form_->shape(257)));
  QTest::keyClick(form_->shape(258), Qt::Key_Escape);
  Release(form_->shape(257));
  EXPECT_EQ(form_->model().slots, before);
  EXPECT_TRUE(Edit().startsWith("9 223 224 "));
}

TEST_F(Board, AnotherButtonCancelsADragFromTheBoard) {
  Press(form_->shape(18));
  Press(form_->shape(257), Qt::RightButton);
  Release(form_->shape(257), Qt::RightButton);
  Release(form_->shape(257));
  EXPECT_EQ(form_->model().slots[0].code, 9);
  EXPECT_EQ(Edit().toStdString(), kDefaultCodeString);
  EXPECT_EQ(SampleLabel(), "17");
}

TEST_F(Board, ReservedSwatchesNeitherDragNorChangeTheSample) {
  for (int n : {1, 240, 256}) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      Press(form_->shape(n), button);
      Release(form_->shape(n), button);
    }
  }
  Drag(form_->shape(240), form_->shape(257));
  EXPECT_EQ(Sample(), QColor(Qt::white));
  EXPECT_EQ(SampleLabel(), "0");
  EXPECT_EQ(form_->model().slots[0].code, 9);
}

TEST_F(Board, RightPressSetsOnlyTheSampleColour) {
  Drag(form_->shape(30), form_->shape(100));
  Press(form_->shape(18), Qt::RightButton);
  Release(form_->shape(18), Qt::RightButton);
  EXPECT_EQ(Sample(), Reference(17));
  EXPECT_EQ(SampleLabel(), "29");
  EXPECT_EQ(form_->shape(30)->figure(), ShapeControl::Figure::Circle);
  EXPECT_EQ(form_->shape(18)->figure(), ShapeControl::Figure::Rectangle);
}

TEST_F(Board, DropsRememberTheCodesThatWereShownBeforeThem) {
  Drag(form_->shape(18), form_->shape(257));  // edit box held the default string: not kept
  EXPECT_EQ(form_->model().lastCodes, kDefaultCodeString);
  const std::string painted = Edit().toStdString();
  Drag(form_->shape(19), form_->shape(258));  // now the changed string is kept
  EXPECT_EQ(form_->model().lastCodes, painted);
  form_->control<QLineEdit>("Edit1")->clear();
  Drag(form_->shape(20), form_->shape(259));
  EXPECT_EQ(form_->model().lastCodes, "");
}

}  // namespace
}  // namespace tintara
