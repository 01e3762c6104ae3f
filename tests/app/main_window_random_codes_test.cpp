// Locks and the harmony modes as the window reaches them: the slot menu, Ctrl+L, "Gee!" and
// "Random Codes...".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/random_codes_dialog.h"
#include "app/shown_window_fixture.h"
#include "board/slot_panel.h"
#include "paint/painting.h"

namespace tintara {
namespace {

class RandomCodes : public ShownWindowTest {
 protected:
  void Gee() const { control<QPushButton>("Button1")->click(); }
  SlotRecords Codes() const { return document().model.slots; }
  // What a roll from `seed` makes of the document as it stands.
  Document Rolled(std::uint32_t seed, RandomCodeSettings settings) const {
    Document rolled = document();
    RandomGenerator random(seed);
    RollRandomCodes(rolled, GroupChecks{true, true, true, true}, random, settings);
    return rolled;
  }
  RandomCodesDialog* OpenDialog() const {
    action("RandomCodes1")->trigger();
    auto* dialog = control<RandomCodesDialog>("RandomCodes");
    return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
  }
};

// A click selects the slot that Ctrl+L and the Edit menu act on, and the menu names it.
TEST_F(RandomCodes, CtrlLLocksTheSlotClickedLast) {
  Click(shape(SlotSwatchNumber(6)));
  QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_TRUE(SlotLocked(document(), 6));
  EXPECT_FALSE(SlotLocked(document(), 1));
  QMenu* edit = control<QMenu>("Edit1");
  Q_EMIT edit->aboutToShow();
  EXPECT_EQ(action("LockSlot1")->text(), "Un&lock Slot 6");
}

TEST_F(RandomCodes, TheSlotMenuAndCtrlLLockAsStepsAndGeeLeavesLockedSlots) {
  QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, At(shape(SlotSwatchNumber(3))));
  auto* menu = control<QMenu>("SlotMenu");
  ASSERT_NE(menu, nullptr);
  menu->actions().first()->trigger();
  menu->close();
  EXPECT_TRUE(SlotLocked(document(), 3));
  EXPECT_TRUE(shape(SlotSwatchNumber(3))->hasLockMark());
  EXPECT_EQ(action("Undo1")->text(), "&Undo Lock Slot 3");

  // Ctrl+L acts on the panel's selected slot, the first at start, wherever the focus is.
  control<QWidget>("CheckBox1")->setFocus();
  QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_TRUE(SlotLocked(document(), 1));

  const SlotRecords before = Codes();
  Gee();
  EXPECT_EQ(Codes()[0].code, before[0].code);
  EXPECT_EQ(Codes()[2].code, before[2].code);
  EXPECT_NE(Codes(), before);

  action("Undo1")->trigger();
  action("Undo1")->trigger();
  EXPECT_FALSE(SlotLocked(document(), 1));
  EXPECT_TRUE(SlotLocked(document(), 3));
  action("Undo1")->trigger();
  EXPECT_FALSE(shape(SlotSwatchNumber(3))->hasLockMark());
}

// The slot menu shades the slot's group as one step; the Edit menu's item is off for a group of
// one shown slot.
TEST_F(RandomCodes, TheSlotMenuShadesAGroupAndTheEditMenuNotOneOfOneSlot) {
  const SlotRecords before = Codes();
  QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, At(shape(SlotSwatchNumber(3))));
  auto* menu = control<QMenu>("SlotMenu");
  ASSERT_NE(menu, nullptr);
  menu->actions().at(1)->trigger();
  menu->close();
  EXPECT_NE(Codes(), before);
  action("Undo1")->trigger();
  EXPECT_EQ(Codes(), before);

  QMenu* edit = control<QMenu>("Edit1");
  Q_EMIT edit->aboutToShow();
  EXPECT_TRUE(action("ShadeGroup1")->isEnabled());
  Click(shape(SlotSwatchNumber(16)));
  Q_EMIT edit->aboutToShow();
  EXPECT_FALSE(action("ShadeGroup1")->isEnabled());
}

TEST_F(RandomCodes, GeeRollsInTheModeChosenAndRollAgainRollsTheShownSeedAgain) {
  RandomCodesDialog* dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->settings().harmony, Harmony::Free);
  dialog->modeBox()->setCurrentIndex(static_cast<int>(Harmony::Triad));
  dialog->accept();

  const RandomCodeSettings triad{.harmony = Harmony::Triad};
  const Document triadRoll = Rolled(randomSeed_, triad);
  ASSERT_NE(triadRoll.model.slots, Rolled(randomSeed_, {}).model.slots);
  Gee();
  EXPECT_EQ(Codes(), triadRoll.model.slots);
  const SlotRecords first = Codes();
  Gee();
  ASSERT_NE(Codes(), first);

  // The dialog shows the seed of the last roll; rolled again from the first's, it is the first.
  dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->settings().harmony, Harmony::Triad);
  const SlotRecords second = Codes();
  action("Undo1")->trigger();
  dialog->rollAgainButton()->click();
  EXPECT_EQ(Codes(), second);
  dialog->seedEdit()->setText(QString::number(randomSeed_));
  dialog->rollAgainButton()->click();
  EXPECT_EQ(Codes(), first);
  EXPECT_TRUE(dialog->isVisible());
  dialog->reject();
}

}  // namespace
}  // namespace tintara
