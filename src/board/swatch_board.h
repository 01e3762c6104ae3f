#pragma once

#include <QColor>
#include <QWidget>
#include <array>

#include "board/control_names.h"

class QLabel;

namespace tintara {

class ShapeControl;

// The colour picker: 256 swatches, one for every code of the reference palette, filled with
// their colours and hints on the window's first activation. Pressing a swatch with another
// button than the left shows its colour in the sample swatch; dragging one shows its colour and
// code in the sample swatch and label and marks it with a circle, and dropping it on a slot
// swatch reports swatchDropped with its code; the colour is the code's, not the swatch's fill. The
// reserved codes (0 and 239..255) ignore presses and cannot be dragged.
class SwatchBoard : public QWidget {
  Q_OBJECT

 public:
  explicit SwatchBoard(QWidget* parent);

  // Fills the colours and hints the first time; true then, false every later time.
  bool fillOnce();

  ShapeControl* swatch(int code) const { return swatches_[static_cast<std::size_t>(code)]; }
  ShapeControl* sampleSwatch() const { return sample_; }

 Q_SIGNALS:
  void swatchDropped(int code, int slot);

 private:
  void press(int code);
  void startDrag(int code);
  void endDrag(int code, const ShapeControl* target);

  std::array<ShapeControl*, kBoardSwatchCount> swatches_{};
  ShapeControl* sample_ = nullptr;
  QLabel* sampleLabel_ = nullptr;
  ShapeControl* marked_ = nullptr;
  bool filled_ = false;
};

}  // namespace tintara
