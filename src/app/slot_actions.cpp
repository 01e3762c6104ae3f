#include "app/slot_actions.h"

#include <QAction>

#include "app/suggest_fixes_dialog.h"
#include "board/slot_panel.h"
#include "paint/group_shading.h"

namespace tintara {

SlotActions::SlotActions(Session& session, SlotPanel* slots, QAction* lockSlot, QAction* shadeGroup,
                         QWidget* window, Act act, ErrorReporter reportError)
    : QObject(window),
      session_(session),
      slots_(slots),
      lockSlot_(lockSlot),
      shadeGroup_(shadeGroup),
      window_(window),
      act_(std::move(act)),
      reportError_(std::move(reportError)) {
  connect(slots_, &SlotPanel::lockToggled, this,
          [this](int slot) { act_([&] { return session_.ToggleSlotLock(slot); }); });
  connect(slots_, &SlotPanel::shadeRequested, this,
          [this](int slot) { act_([&] { return session_.ShadeGroup(slot); }); });
  connect(slots_, &SlotPanel::fixesRequested, this, [this] {
    if (const auto failure = Attempt([this] { suggestFixes(); })) reportError_(*failure);
  });
}

void SlotActions::toggleSelectedLock() {
  if (const int slot = slots_->selectedSlot(); slot != 0) {
    act_([&] { return session_.ToggleSlotLock(slot); });
  }
}

void SlotActions::shadeSelectedGroup() {
  if (const int slot = slots_->selectedSlot(); slot != 0) {
    act_([&] { return session_.ShadeGroup(slot); });
  }
}

void SlotActions::suggestFixes() {
  if (fixes_ == nullptr) {
    fixes_ = new SuggestFixesDialog(window_);
    connect(fixes_, &SuggestFixesDialog::fixChosen, this, [this](int slot, std::int32_t code) {
      act_([&] { return session_.FixSlot(slot, code); });
    });
  }
  fixes_->open();
  fixes_->showDocument(session_.document());
}

// The lock item names what it does to the selected slot.
void SlotActions::nameEditItems() {
  const Document& shown = session_.document();
  const int slot = slots_->selectedSlot();
  lockSlot_->setEnabled(slot != 0);
  shadeGroup_->setEnabled(slot != 0 && CanShadeGroupFrom(shown, slot));
  const QString number = slot != 0 ? QStringLiteral(" %1").arg(slot) : QString();
  lockSlot_->setText((slot != 0 && SlotLocked(shown, slot) ? "Un&lock Slot" : "&Lock Slot") +
                     number);
}

void SlotActions::showDocument() {
  if (fixes_ != nullptr && fixes_->isVisible()) fixes_->showDocument(session_.document());
}

}  // namespace tintara
