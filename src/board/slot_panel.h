#pragma once

#include <QWidget>
#include <array>

#include "paint/slot_tables.h"

class QCheckBox;
class QLabel;

namespace tintara {

struct Document;
class ShapeControl;

// The 16 code slots as the user sees them: a swatch and a label for each, the group captions
// above the rows, the marker set labels and the check boxes that let random codes reach a group.
// A slot swatch can be dragged onto another slot (slotDropped); a drag from a slot released
// anywhere else, or cancelled, reports slotDragEnded instead. Either way the drag ends with a
// recolouring, which is the window's to run. Clicking the skin caption reports skinCaptionClicked,
// once per double-click too.
class SlotPanel : public QWidget {
  Q_OBJECT

 public:
  // The marker set labels stand in markerSetPanel, the window's lowered panel.
  SlotPanel(QWidget* parent, QWidget* markerSetPanel);

  // Slots, captions and marker set as the document has them. The group checks are the user's to
  // edit in place; the window sets them where a step changed them.
  void showDocument(const Document& document);

  QCheckBox* groupCheck(int group) const {
    return groupChecks_[static_cast<std::size_t>(group - 1)];
  }

 Q_SIGNALS:
  void slotDropped(int slot, int sourceSlot);
  void slotDragEnded(int sourceSlot);
  void skinCaptionClicked();
  // The mouse rests over a slot swatch, or left it.
  void slotHovered(int slot);
  void slotHoverEnded();

 private:
  void createSlots();
  void createCaptions();

  std::array<ShapeControl*, kSlotCount> swatches_{};
  std::array<QLabel*, kSlotCount> labels_{};
  std::array<QLabel*, 5> captions_{};  // the three groups', then "Buckle" and "or Eyes"
  std::array<QLabel*, 2> markerSets_{};
  std::array<QCheckBox*, kGroupCount> groupChecks_{};
};

}  // namespace tintara
