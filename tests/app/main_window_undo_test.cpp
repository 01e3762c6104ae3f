// Undo takes back exactly one step, and leaves what the user edits in place alone.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/window_fixture.h"

namespace tintara {
namespace {

class Undo : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    StartWindow();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shape(18)->toolTip() != ""; }));
  }

  QPoint At(const QWidget* control) const {
    return control->mapTo(window_.get(), control->rect().center());
  }
  void Click(const QWidget* control) const {
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, At(control));
  }
  void DropCode(int code, int slot) const {
    QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {},
                      At(shape(BoardSwatchNumber(code))));
    QTest::mouseMove(window_->windowHandle(), At(shape(SlotSwatchNumber(slot))));
    QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {},
                        At(shape(SlotSwatchNumber(slot))));
  }
  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
  void Type(const QString& text) const {
    edit()->setFocus();
    edit()->selectAll();
    QTest::keyClicks(edit(), text);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }
};

// Its slots before the bad token changed: that change is the step, named for the command.
TEST_F(Undo, CodesStoppedAtABadTokenAreAStepOfTheirOwn) {
  DropCode(17, 3);
  Type("5 x 7");
  Click(control<QPushButton>("BOldColors"));
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(label(6)->text(), "5");
  EXPECT_EQ(action("Undo1")->text(), "&Undo Apply Color Codes");
  Key(Qt::Key_Z);
  EXPECT_EQ(label(6)->text(), "9");
  EXPECT_EQ(label(8)->text(), "17");  // the drop stays
  EXPECT_EQ(action("Undo1")->text(), "&Undo Drop on Slot 3");
  Key(Qt::Key_Y);
  EXPECT_EQ(label(6)->text(), "5");
  EXPECT_EQ(edit()->text(), "5 x 7");
}

TEST_F(Undo, AGroupCheckChangedAfterTheStepStaysAsTheUserLeftIt) {
  DropCode(17, 3);
  Click(control<QCheckBox>(GroupCheckName(2)));
  ASSERT_FALSE(control<QCheckBox>(GroupCheckName(2))->isChecked());
  action("Undo1")->trigger();
  EXPECT_EQ(label(8)->text(), "224");
  EXPECT_FALSE(control<QCheckBox>(GroupCheckName(2))->isChecked());
}

// The codes applied were the step's input: undoing it shows the code string from before. The
// edit box's own typing history ended with the step, so Ctrl+Z there takes back the step.
TEST_F(Undo, TheEditBoxFollowsTheStepsAndTakesBackTypingFirst) {
  const QString before = edit()->text();
  Type("1 2 3 ");
  Key(Qt::Key_Return, Qt::NoModifier);
  ASSERT_EQ(label(6)->text(), "1");
  edit()->setFocus();
  Key(Qt::Key_Z);
  EXPECT_EQ(label(6)->text(), "9");
  EXPECT_EQ(edit()->text(), before);

  edit()->end(false);
  QTest::keyClicks(edit(), "4");  // typing, undone by the edit box itself
  Key(Qt::Key_Z);
  EXPECT_EQ(edit()->text(), before);
  EXPECT_EQ(action("Redo1")->text(), "&Redo Apply Color Codes");
}

}  // namespace
}  // namespace tintara
