#include "board/swatch_board.h"

#include <QLabel>

#include "board/control_factory.h"
#include "board/qcolor_conversion.h"
#include "board/shape_control.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

constexpr Colour kPlaceholderColour = 0xFFCCDD;  // until the first activation fills the board
constexpr int kBoardPitch = 15;  // one less than the size: neighbours share their outline
constexpr int kBoardOrigin = 8;

constexpr bool IsReservedCode(int code) { return code == 0 || code >= 239; }

}  // namespace

SwatchBoard::SwatchBoard(QWidget* parent) : QWidget(parent) {
  setObjectName("SwatchBoard");
  for (int code = 0; code < kBoardSwatchCount; ++code) {
    const int row = code / 16;
    const int column = code % 16;
    ShapeControl* swatch =
        AddShape(this, BoardSwatchNumber(code), BoardSwatchName(code),
                 QRect(kBoardOrigin + kBoardPitch * column, kBoardOrigin + kBoardPitch * row,
                       kSwatchSize, kSwatchSize),
                 ToQColor(kPlaceholderColour));
    swatch->setDraggable(!IsReservedCode(code));
    connect(swatch, &ShapeControl::pressed, this, [this, code] { press(code); });
    connect(swatch, &ShapeControl::dragStarted, this, [this, code] { startDrag(code); });
    connect(swatch, &ShapeControl::dragEnded, this,
            [this, code](const ShapeControl* target) { endDrag(code, target); });
    swatches_[static_cast<std::size_t>(code)] = swatch;
  }
  sample_ = AddShape(this, 0, "SampleColor", QRect(208, 256, 41, 41), Qt::white);
  sampleLabel_ =
      AddLabel(this, "LSample", "0", QRect(208, 298, 40, 13), Qt::AlignHCenter | Qt::AlignTop);
  marked_ = swatches_.front();
  CoverOnlyChildren(this);
}

bool SwatchBoard::fillOnce() {
  if (filled_) return false;
  filled_ = true;
  for (int code = 0; code < kBoardSwatchCount; ++code) {
    ShapeControl* swatch = this->swatch(code);
    swatch->setFill(ToQColor(ReferenceColour(code)));
    QString hint = QStringLiteral("Code %1 ").arg(code);
    if (IsReservedCode(code)) hint += "- not used ";
    SetHint(swatch, hint);
  }
  return true;
}

void SwatchBoard::press(int code) {
  if (IsReservedCode(code)) return;
  sample_->setFill(swatch(code)->fill());
}

void SwatchBoard::startDrag(int code) {
  sample_->setFill(swatch(code)->fill());
  sampleLabel_->setText(QString::number(code));
  marked_->setFigure(ShapeControl::Figure::Rectangle);
  marked_ = swatch(code);
  marked_->setFigure(ShapeControl::Figure::Circle);
}

// The drop targets are the slot swatches.
void SwatchBoard::endDrag(int code, const ShapeControl* target) {
  if (target == nullptr) return;
  Q_EMIT swatchDropped(code, SlotOfSwatchNumber(target->number()));
}

}  // namespace tintara
