#pragma once

#include <QObject>
#include <functional>

#include "app/error_report.h"
#include "paint/session.h"

class QAction;
class QWidget;

namespace tintara {

class SlotPanel;
class SuggestFixesDialog;

// What is done to one slot, from the slot panel's menu or from the Edit menu's items on the
// selected slot: its lock toggled, its group shaded from it; and "Suggest Fixes...", which the
// panel's readability mark opens too, for the slots that look alike. Each change runs through
// `act`, which runs an action as a step of the window and shows what it returns.
class SlotActions : public QObject {
 public:
  using Act = std::function<void(const std::function<Outcome()>& action)>;

  // The Edit menu's "Lock Slot" and "Shade Group" items, which name and enable themselves for the
  // selected slot when the menu opens (nameEditItems).
  SlotActions(Session& session, SlotPanel* slots, QAction* lockSlot, QAction* shadeGroup,
              QWidget* window, Act act, ErrorReporter reportError);

  void toggleSelectedLock();
  void shadeSelectedGroup();
  // The dialog opens window-modal and does not block.
  void suggestFixes();
  void nameEditItems();
  // After every step: the fixes dialog, while it shows, follows the document.
  void showDocument();

 private:
  Session& session_;
  SlotPanel* slots_;
  QAction* lockSlot_;
  QAction* shadeGroup_;
  QWidget* window_;
  Act act_;
  ErrorReporter reportError_;
  SuggestFixesDialog* fixes_ = nullptr;  // made when first shown
};

}  // namespace tintara
