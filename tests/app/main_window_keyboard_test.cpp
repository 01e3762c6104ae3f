// Painting without the mouse: Tab to the slot panel and the swatch board, choose with the keys,
// give with Enter.
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "app/shown_window_fixture.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"

namespace tintara {
namespace {

class Keyboard : public ShownWindowTest {
 protected:
  // Presses Tab, or Shift+Tab, until the control has the focus; false when it never does.
  static bool TabTo(QWidget* control, Qt::KeyboardModifiers modifiers = {}) {
    for (int i = 0; i < 40 && QApplication::focusWidget() != control; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    }
    return QApplication::focusWidget() == control;
  }
  void Key(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }

  SwatchBoard* board() const { return control<SwatchBoard>("SwatchBoard"); }
  SlotPanel* slotPanel() const { return control<SlotPanel>("SlotPanel"); }
};

// The keys do something a user sees from the start.
TEST_F(Keyboard, TheSwatchBoardHasTheFocusAtStart) {
  EXPECT_EQ(QApplication::focusWidget(), board());
}

TEST_F(Keyboard, EnterOnTheBoardGivesTheSwatchToTheSlotChosenInThePanelAsADropWould) {
  const Document before = document();
  ASSERT_TRUE(TabTo(slotPanel()));
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  ASSERT_TRUE(TabTo(board(), Qt::ShiftModifier));
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  Key(Qt::Key_Return);
  EXPECT_EQ(label(8)->text(), "17");
  EXPECT_EQ(QApplication::focusWidget(), board());
  EXPECT_EQ(action("Undo1")->text(), "&Undo Drop on Slot 3");
  const Document byKeyboard = document();
  action("Undo1")->trigger();
  EXPECT_TRUE(document() == before);
  Drag(shape(BoardSwatchNumber(17)), shape(SlotSwatchNumber(3)));
  EXPECT_TRUE(document() == byKeyboard);
}

TEST_F(Keyboard, DigitsAndEnterInThePanelGiveThatCodeToTheSelectedSlot) {
  ASSERT_TRUE(TabTo(slotPanel()));
  Key(Qt::Key_Right);
  QTest::keyClicks(slotPanel(), "201");
  Key(Qt::Key_Enter);
  EXPECT_EQ(label(7)->text(), "201");
  EXPECT_EQ(Slot(document(), 2).code, 201);
  EXPECT_EQ(action("Undo1")->text(), "&Undo Drop on Slot 2");
}

// What a screen reader says when the focus comes to a control: nothing the user can reach is
// nameless.
TEST_F(Keyboard, EveryControlTheKeyboardReachesHasAName) {
  QStringList nameless;
  for (QWidget* widget : window_->findChildren<QWidget*>()) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window_.get())) continue;
    const QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(widget);
    if (shown == nullptr || shown->text(QAccessible::Name).isEmpty()) {
      nameless << widget->objectName();
    }
  }
  EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();
}

}  // namespace
}  // namespace tintara
