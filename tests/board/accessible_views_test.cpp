// What screen readers see of the views, through Qt's accessibility interfaces.
#include "board/accessible_views.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>

#include "board/caption_button.h"
#include "board/shape_control.h"
#include "board/slot_documents.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"
#include "board/user_input.h"
#include "paint/readability.h"

namespace tintara {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

std::string Name(QAccessibleInterface* element) {
  return element->text(QAccessible::Name).toStdString();
}

// The views in an active window, with another control to take the focus.
class AccessibleViews : public ::testing::Test {
 protected:
  void SetUp() override {
    other_->setFocusPolicy(Qt::StrongFocus);
    ASSERT_TRUE(ShowForInput(window_));
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  // The panel's children of a role.
  std::vector<QAccessibleInterface*> PanelChildren(QAccessible::Role role) const {
    QAccessibleInterface* list = Accessible(panel_);
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < list->childCount(); ++i) {
      if (list->child(i)->role() == role) found.push_back(list->child(i));
    }
    return found;
  }

  QWidget window_;
  QWidget* other_ = new QWidget(&window_);
  SwatchBoard* board_ = new SwatchBoard(&window_);
  SlotPanel* panel_ = new SlotPanel(&window_, new QWidget(&window_));
};

TEST_F(AccessibleViews, TheBoardIsATableOfSwatchesNamedByCodeAndColourFollowingTheKeys) {
  QAccessibleInterface* table = Accessible(board_);
  EXPECT_EQ(Name(table), "Swatch board");
  ASSERT_EQ(table->childCount(), 256);
  for (int code = 0; code < 256; ++code) {
    QAccessibleInterface* cell = table->child(code);
    ASSERT_EQ(cell->object(), board_->swatch(code)) << code;
    EXPECT_EQ(table->tableInterface()->cellAt(code / 16, code % 16), cell) << code;
    EXPECT_EQ(table->indexOfChild(cell), code);
  }
  EXPECT_EQ(Name(table->child(0)), "Code 0, not used");
  EXPECT_EQ(Name(table->child(17)), "Code 17, yellow");
  EXPECT_EQ(Name(table->child(224)), "Code 224, dark grey");

  board_->setFocus(Qt::TabFocusReason);
  QTest::keyClick(board_, Qt::Key_Down);
  EXPECT_EQ(table->focusChild(), table->child(16));
  EXPECT_TRUE(table->child(16)->state().focused);
  EXPECT_FALSE(table->child(0)->state().focused);
  EXPECT_FALSE(table->state().focused);  // one object has the focus: the swatch
  other_->setFocus();
  EXPECT_FALSE(table->child(16)->state().focused);
}

TEST_F(AccessibleViews, ThePanelListsItsShownSlotsByGroupCodeAndColourFollowingTheKeys) {
  panel_->showDocument(SlotDocument({}, {{3, 224}, {7, 17}, {12, 3}, {16, 5}}));
  EXPECT_EQ(Name(Accessible(panel_)), "Slots");
  std::vector<QAccessibleInterface*> slots = PanelChildren(QAccessible::ListItem);
  ASSERT_EQ(slots.size(), 16u);
  EXPECT_EQ(Name(slots[2]), "Slot 3, Bottom: code 224, dark grey");
  EXPECT_EQ(Name(slots[6]), "Slot 7, Skin: code 17, yellow");
  EXPECT_EQ(Name(slots[11]), "Slot 12, Top: code 3, red");
  EXPECT_EQ(Name(slots[15]), "Slot 16, Buckle or Eyes: code 5, blue");
  EXPECT_EQ(slots[2]->valueInterface()->currentValue().toInt(), 224);

  panel_->showDocument(SlotDocument({1, 6, 7, 8, 9, 10, 16}, {{3, 201}}));
  slots = PanelChildren(QAccessible::ListItem);
  ASSERT_EQ(slots.size(), 9u);
  EXPECT_EQ(slots[0]->object(), panel_->slotSwatch(2));
  EXPECT_EQ(slots[5]->object(), panel_->slotSwatch(12));
  EXPECT_EQ(slots[1]->valueInterface()->currentValue().toInt(), 201);

  panel_->setFocus(Qt::TabFocusReason);
  QTest::keyClick(panel_, Qt::Key_Right);
  EXPECT_EQ(Accessible(panel_)->focusChild(), slots[1]);
  EXPECT_TRUE(slots[1]->state().focused);
  EXPECT_FALSE(slots[0]->state().focused);
  EXPECT_FALSE(Accessible(panel_)->state().focused);  // one object has the focus: the slot
}

// A view is drawn only where its controls are, over a widget that reaches from the window's
// corner: screen readers are told where its controls are.
TEST_F(AccessibleViews, TheBoardAndThePanelReportTheBoundsOfTheirControls) {
  panel_->showDocument(SlotDocument({}));
  for (QWidget* view : std::initializer_list<QWidget*>{board_, panel_}) {
    QRect controls;
    for (const QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      controls |= QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
    }
    EXPECT_EQ(Accessible(view)->rect(), controls) << view->objectName().toStdString();
  }
}

TEST_F(AccessibleViews, ThePanelsOtherControlsFollowItsSlotsNamedAndTheSkinCaptionIsAButton) {
  panel_->showDocument(SlotDocument({}));
  const std::vector<QAccessibleInterface*> checks = PanelChildren(QAccessible::CheckBox);
  ASSERT_EQ(checks.size(), 4u);
  EXPECT_EQ(Name(checks[3]), "Random codes for Buckle or Eyes, group 4");
  const std::vector<QAccessibleInterface*> buttons = PanelChildren(QAccessible::Button);
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(Name(buttons[0]), panel_->skinCaption()->text().toStdString());
  QSignalSpy clicked(panel_, &SlotPanel::skinCaptionClicked);
  buttons[0]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicked.count(), 1);
}

TEST_F(AccessibleViews, AGroupsReadabilityMarkIsAButtonNamedByItsPairsThatOpensTheFixes) {
  panel_->showDocument(SlotDocument({}));
  const ReadabilityPair pair{3, 12, 15, {Vision::Deuteranopia}};
  panel_->showReadability({pair});
  const std::vector<QAccessibleInterface*> buttons = PanelChildren(QAccessible::Button);
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(Name(buttons[1]), ReadabilityText(pair) + ", suggest fixes");
  QSignalSpy requested(panel_, &SlotPanel::fixesRequested);
  buttons[1]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(requested.count(), 1);
}

}  // namespace
}  // namespace tintara
