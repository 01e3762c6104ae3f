// Undo takes back exactly one step, and leaves what the user edits in place alone.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/shown_window_fixture.h"

namespace tintara {
namespace {

// Typing replaces the edit box's text, as a user who selects it all first.
class Undo : public ShownWindowTest {
 protected:
  void Type(const QString& text) const {
    edit()->setFocus();
    edit()->selectAll();
    QTest::keyClicks(edit(), text);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }
  void DropCode(int code, int slot) const {
    Drag(shape(BoardSwatchNumber(code)), shape(SlotSwatchNumber(slot)));
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

// The codes applied were the step's input: undoing it shows the code string from before. The
// edit box's own typing history ended with the step, and Return left the focus there, so Ctrl+Z
// there takes back the step.
TEST_F(Undo, TheEditBoxFollowsTheStepsAndTakesBackTypingFirst) {
  const QString before = edit()->text();
  Type("1 2 3 ");
  Key(Qt::Key_Return, Qt::NoModifier);
  ASSERT_EQ(label(6)->text(), "1");
  EXPECT_EQ(QApplication::focusWidget(), edit());
  Key(Qt::Key_Z);
  EXPECT_EQ(label(6)->text(), "9");
  EXPECT_EQ(edit()->text(), before);

  edit()->end(false);
  QTest::keyClicks(edit(), "4");  // typing, undone by the edit box itself
  Key(Qt::Key_Z);
  EXPECT_EQ(edit()->text(), before);
  EXPECT_EQ(action("Redo1")->text(), "&Redo Apply Color Codes");
}

// The codes copied, pasted back and applied give the slots their codes again.
TEST_F(Undo, CopiedCodesPastedBackRestoreTheSlots) {
  DropCode(17, 3);
  action("CopyCodes1")->trigger();
  DropCode(40, 3);
  Type(QGuiApplication::clipboard()->text());
  Key(Qt::Key_Return, Qt::NoModifier);
  EXPECT_EQ(label(8)->text(), "17");
}

}  // namespace
}  // namespace tintara
