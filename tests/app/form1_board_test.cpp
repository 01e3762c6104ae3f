#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/window_fixture.h"
#include "board/hint_switch.h"
#include "board/picture_view.h"
#include "board/shape_control.h"
#include "board/switched_hints.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"

namespace tintara {
namespace {

QColor Reference(int code) { return QColor::fromRgb(ToDisplayPixel(ReferenceColour(code))); }

// A shown main window whose start-up body has every slot but 16 at position 16 + slot.
class Board : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 15))));
    StartWindow();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    QTRY_VERIFY(shape(18)->toolTip() != "");
  }

  // Mouse events go to the window, as the platform delivers them, so that the pressed control
  // keeps the mouse until the release as it does for a user.
  QPoint At(QWidget* control) const {
    return control->mapTo(window_.get(), control->rect().center());
  }
  void Press(QWidget* control, Qt::MouseButton button = Qt::LeftButton) const {
    QTest::mousePress(window_->windowHandle(), button, {}, At(control));
  }
  void Release(QWidget* control, Qt::MouseButton button = Qt::LeftButton) const {
    QTest::mouseRelease(window_->windowHandle(), button, {}, At(control));
  }
  // A real drag: press on the source, move over the target, release there.
  void Drag(QWidget* source, QWidget* target) const {
    Press(source);
    QTest::mouseMove(window_->windowHandle(), At(target));
    Release(target);
  }
  QString Edit() const { return control<QLineEdit>("Edit1")->text(); }
  QColor Sample() const { return control<ShapeControl>("SampleColor")->fill(); }
  QString SampleLabel() const { return control<QLabel>("LSample")->text(); }
  Colour Shown(int index) const {
    const QImage& picture = control<PictureView>("Image1")->picture();
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
    EXPECT_EQ(shape(c.swatch)->toolTip().toStdString(), c.hint);
    EXPECT_EQ(shape(c.swatch)->fill(), Reference(c.swatch - 1));
    EXPECT_EQ(shape(c.swatch)->toolTipDuration(), 5000);
  }
  action("HideHints")->setChecked(true);
  QEvent activation(QEvent::WindowActivate);  // a later activation re-applies nothing
  QApplication::sendEvent(window_.get(), &activation);
  EXPECT_TRUE(ShowsHint(control<QWidget>("Edit1")));
}

TEST_F(Board, HideHintsSwitchesExactlyTheTenControls) {
  action("HideHints")->trigger();
  for (const SwitchedHint& switched : kSwitchedHints) {
    QWidget* switchedControl = control<QWidget>(switched.control);
    EXPECT_FALSE(ShowsHint(switchedControl)) << switched.control;
    EXPECT_EQ(switchedControl->toolTip().toStdString(), switched.hint);
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), switchedControl->mapToGlobal(QPoint(1, 1)));
    EXPECT_TRUE(QApplication::sendEvent(switchedControl, &tip)) << switched.control;
  }
  EXPECT_TRUE(ShowsHint(shape(18)));
  EXPECT_TRUE(ShowsHint(label(4)));
  EXPECT_EQ(label(4)->toolTip(), "Click here to apply skin colors");
  action("HideHints")->trigger();
  for (const SwitchedHint& switched : kSwitchedHints) {
    EXPECT_TRUE(ShowsHint(control<QWidget>(switched.control))) << switched.control;
  }
}

TEST_F(Board, DraggingSwatch18OntoSlot1GivesItCode17) {
  Drag(shape(18), shape(257));
  const SlotRecord& slot = session().model().slots[0];
  EXPECT_EQ(slot.code, 17);
  EXPECT_EQ(slot.colour, ReferenceColour(17));
  EXPECT_EQ(label(6)->text(), "17");
  EXPECT_EQ(shape(257)->fill(), Reference(17));
  EXPECT_TRUE(Edit().startsWith("17 "));
  EXPECT_EQ(Shown(17), ReferenceColour(17));
  EXPECT_EQ(Sample(), Reference(17));
  EXPECT_EQ(SampleLabel(), "17");
  EXPECT_EQ(shape(18)->figure(), ShapeControl::Figure::Circle);
  EXPECT_EQ(shape(1)->figure(), ShapeControl::Figure::Rectangle);
}

TEST_F(Board, ABoardDragReleasedElsewhereChangesNothingMore) {
  const SlotRecords before = session().model().slots;
  Drag(shape(18), shape(100));
  Drag(shape(30), shape(272));  // slot 16 is hidden: not a target
  EXPECT_EQ(session().model().slots, before);
  EXPECT_EQ(Edit().toStdString(), kDefaultCodeString);
  EXPECT_EQ(SampleLabel(), "29");
  EXPECT_EQ(shape(30)->figure(), ShapeControl::Figure::Circle);
  EXPECT_EQ(shape(18)->figure(), ShapeControl::Figure::Rectangle);
}

TEST_F(Board, EscapeCancelsADragButASlotDragStillEndsWithARecolouring) {
  const SlotRecords before = session().model().slots;
  control<QLineEdit>("Edit1")->setText("typed");
  Press(shape(258));
  QTest::mouseMove(window_->windowHandle(), At(shape(257)));
  QTest::keyClick(shape(258), Qt::Key_Escape);
  Release(shape(257));
  EXPECT_EQ(session().model().slots, before);
  EXPECT_TRUE(Edit().startsWith("9 223 224 "));
}

TEST_F(Board, AnotherButtonCancelsADragFromTheBoard) {
  Press(shape(18));
  Press(shape(257), Qt::RightButton);
  Release(shape(257), Qt::RightButton);
  Release(shape(257));
  EXPECT_EQ(session().model().slots[0].code, 9);
  EXPECT_EQ(Edit().toStdString(), kDefaultCodeString);
  EXPECT_EQ(SampleLabel(), "17");
}

TEST_F(Board, ReservedSwatchesNeitherDragNorChangeTheSample) {
  for (int n : {1, 240, 256}) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      Press(shape(n), button);
      Release(shape(n), button);
    }
  }
  Drag(shape(240), shape(257));
  EXPECT_EQ(Sample(), QColor(Qt::white));
  EXPECT_EQ(SampleLabel(), "0");
  EXPECT_EQ(session().model().slots[0].code, 9);
}

TEST_F(Board, RightPressSetsOnlyTheSampleColour) {
  Drag(shape(30), shape(100));
  Press(shape(18), Qt::RightButton);
  Release(shape(18), Qt::RightButton);
  EXPECT_EQ(Sample(), Reference(17));
  EXPECT_EQ(SampleLabel(), "29");
  EXPECT_EQ(shape(30)->figure(), ShapeControl::Figure::Circle);
  EXPECT_EQ(shape(18)->figure(), ShapeControl::Figure::Rectangle);
}

}  // namespace
}  // namespace tintara
