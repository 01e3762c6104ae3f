#pragma once

#include <QColor>
#include <QWidget>
#include <array>

#include "board/control_names.h"
#include "paint/colour_vision.h"

class QLabel;

namespace tintara {

class ShapeControl;

// The colour picker: 256 swatches, one for every code of the reference palette, filled with
// their colours and hints on the window's first activation. Pressing a swatch with another
// button than the left shows its colour in the sample swatch; dragging one shows its colour and
// code in the sample swatch and label and marks it with a circle, and dropping it on a slot
// swatch reports swatchDropped with its code; the colour is the code's, not the swatch's fill. The
// reserved codes (0 and 239..255) ignore presses and cannot be dragged.
//
// The keyboard reaches the board as one control. Its current swatch, marked while the board has
// the focus, starts at code 0 and moves with the arrow keys, Home and End (the row's ends) and
// Ctrl+Home and Ctrl+End (codes 0 and 255); a drag makes the dragged swatch current. Enter or
// Space on a swatch that can be dragged shows it in the sample and marks it as starting a drag
// does, and reports swatchChosen: the window gives the code to the slot selected in the slot
// panel, as a drop there would. Screen readers see the board as a table of 16 x 16 swatches
// named by code and colour, and follow the current one.
class SwatchBoard : public QWidget {
  Q_OBJECT

 public:
  explicit SwatchBoard(QWidget* parent);

  // Fills the colours and hints the first time; true then, false every later time.
  bool fillOnce();
  // Fills the swatches and the sample as the viewer sees their colours.
  void setVision(Vision vision);

  ShapeControl* swatch(int code) const { return swatches_[static_cast<std::size_t>(code)]; }
  ShapeControl* sampleSwatch() const { return sample_; }
  int currentCode() const { return current_; }

 Q_SIGNALS:
  void swatchDropped(int code, int slot);
  void swatchChosen(int code);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void press(int code);
  void startDrag(int code);
  void endDrag(int code, const ShapeControl* target);
  void choose(int code);
  void makeCurrent(int code);

  std::array<ShapeControl*, kBoardSwatchCount> swatches_{};
  ShapeControl* sample_ = nullptr;
  QLabel* sampleLabel_ = nullptr;
  ShapeControl* marked_ = nullptr;
  int current_ = 0;
  int sampleCode_ = -1;  // the code the sample shows; none at first
  bool filled_ = false;
  Vision vision_ = Vision::Normal;
};

}  // namespace tintara
