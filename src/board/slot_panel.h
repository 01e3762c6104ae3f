#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "paint/colour_vision.h"
#include "paint/readability.h"
#include "paint/slot_tables.h"

class QCheckBox;
class QLabel;

namespace tintara {

class CaptionButton;
struct Document;
class ShapeControl;

// The 16 code slots as the user sees them: a swatch and a label for each, the group captions
// above the rows, the marker set labels and the check boxes that let random codes reach a group.
// A slot swatch can be dragged onto another slot (slotDropped); a drag from a slot released
// anywhere else, or cancelled, reports slotDragEnded instead. Either way the drag ends with a
// recolouring, which is the window's to run. Clicking the skin caption reports skinCaptionClicked,
// once per double-click too.
//
// The keyboard reaches the panel as one control, then the skin caption and the group checks. The
// panel's selected slot, its label always in the selection's colours and its swatch marked while
// the panel has the focus, is a shown one: the first at start, one pressed with the left mouse
// button, the previous or next shown one with the arrow keys, the first or last with Home and
// End, and the nearest shown one when the document hides it. Digits typed there show in the slot's
// label until Enter, Escape or a move; Enter gives their code, when it is one (0..255), to the
// slot: codeTyped, which the window runs as a drop of that code's swatch. Screen readers see a
// list of the shown slots, named by slot, group, code and colour, which follows the selected one.
//
// A right click on a slot swatch offers "Lock Slot" or "Unlock Slot" as the document has the slot
// (lockToggled, which the window runs), and "Shade Group from This Slot" where the group can be
// shaded from it (shadeRequested); a locked slot's swatch shows a lock mark.
//
// A group with two slots that look alike to some viewers shows a "!" button at the end of its
// caption; a click, its context menu, or Enter or Space asks for fixes (fixesRequested).
class SlotPanel : public QWidget {
  Q_OBJECT

 public:
  // The marker set labels stand in markerSetPanel, the window's lowered panel.
  SlotPanel(QWidget* parent, QWidget* markerSetPanel);

  // Slots, captions and marker set as the document has them. The group checks are the user's to
  // edit in place; the window sets them where a step changed them.
  void showDocument(const Document& document);
  // The slot swatches show their colours as the viewer sees them from the next showDocument.
  void setVision(Vision vision) { vision_ = vision; }
  // Marks each group with two slots that look alike to some viewers, its tooltip naming them.
  void showReadability(const std::vector<ReadabilityPair>& pairs);

  QCheckBox* groupCheck(int group) const {
    return groupChecks_[static_cast<std::size_t>(group - 1)];
  }
  ShapeControl* slotSwatch(int slot) const { return swatches_[static_cast<std::size_t>(slot - 1)]; }
  CaptionButton* skinCaption() const { return skinCaption_; }
  // The "!" of a group, shown while two of its slots look alike to some viewers.
  CaptionButton* readabilityMark(int group) const {
    return readabilityMarks_[static_cast<std::size_t>(group - 1)];
  }
  bool slotShown(int slot) const;
  // The code the document gives the slot.
  int slotCode(int slot) const { return codes_[static_cast<std::size_t>(slot - 1)]; }
  // The slot the keyboard gives codes to; 0 while no slot is shown.
  int selectedSlot() const;
  // Selects a shown slot as a left press on its swatch does.
  void selectSlot(int slot);

 Q_SIGNALS:
  void slotDropped(int slot, int sourceSlot);
  void slotDragEnded(int sourceSlot);
  void skinCaptionClicked();
  // The mouse rests over a slot swatch, or left it.
  void slotHovered(int slot);
  void slotHoverEnded();
  void codeTyped(int slot, int code);
  void lockToggled(int slot);
  void shadeRequested(int slot);
  void fixesRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void createSlots();
  void createCaptions();
  // The first shown slot after `slot` going by `step` (1 or -1); 0 when there is none.
  int shownSlotFrom(int slot, int step) const;
  int nearestShownSlot(int slot) const;
  void select(int slot);
  void showTyped(QString typed);
  void markSelection();
  void enterTyped();
  void offerSlotMenu(int slot, QPoint position);
  // The selected slot's swatch; none while no slot is shown.
  QWidget* selectedSwatch() const;

  std::array<ShapeControl*, kSlotCount> swatches_{};
  std::array<QLabel*, kSlotCount> labels_{};
  std::array<QLabel*, 5> captions_{};  // the three groups', then "Buckle" and "or Eyes"
  CaptionButton* skinCaption_ = nullptr;
  std::array<QLabel*, 2> markerSets_{};
  std::array<QCheckBox*, kGroupCount> groupChecks_{};
  std::array<QString, kSlotCount> tokens_{};  // the labels as the document has them
  std::array<int, kSlotCount> codes_{};
  int selected_ = 1;
  QString typed_;
  Vision vision_ = Vision::Normal;
  std::array<bool, kSlotCount> shadeable_{};  // whether the slot's group can be shaded from it
  std::array<CaptionButton*, kGroupCount> readabilityMarks_{};
};

}  // namespace tintara
