#include "board/swatch_board.h"

#include <QLabel>

#include "board/control_factory.h"
#include "board/qcolor_conversion.h"
#include "board/shape_control.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

constexpr Colour kPlaceholderColour = 0xFFCCDD;  // until the first activation fills the board
constexpr int kSwatchSize = 16;
constexpr int kBoardPitch = 15;  // one less than the size: neighbours share their outline
constexpr int kBoardOrigin = 8;

constexpr bool IsReservedCode(int code) { return code == 0 || code >= 239; }

}  // namespace

SwatchBoard::SwatchBoard(QWidget* parent) : QWidget(parent) {
  for (int code = 0; code < kBoardSwatchCount; ++code) {
    const int row = code / 16;
    const int column = code % 16;
    ShapeControl* swatch =
        AddShape(this, BoardSwatchNumber(code), BoardSwatchName(code),
                 QRect(kBoardOrigin + kBoardPitch * column, kBoardOrigin + kBoardPitch * row,
                       kSwatchSize, kSwatchSize),
                 ToQColor(kPlaceholderColour));
    swatch->setDraggable(!IsReservedCode(code));
    connect(swatch, &ShapeControl::pressed, this, [this, swatch] { press(swatch); });
    connect(swatch, &ShapeControl::dragStarted, this, [this, swatch] { startDrag(swatch); });
    connect(swatch, &ShapeControl::dragEnded, this,
            [this, swatch](ShapeControl* target) { endDrag(swatch, target); });
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

void SwatchBoard::press(const ShapeControl* swatch) {
  if (IsReservedCode(swatch->number() - 1)) return;
  sample_->setFill(swatch->fill());
}

void SwatchBoard::startDrag(ShapeControl* swatch) {
  sample_->setFill(swatch->fill());
  sampleLabel_->setText(QString::number(swatch->number() - 1));
  marked_->setFigure(ShapeControl::Figure::Rectangle);
  marked_ = swatch;
  marked_->setFigure(ShapeControl::Figure::Circle);
}

void SwatchBoard::endDrag(const ShapeControl* swatch, const ShapeControl* target) {
  if (target == nullptr) return;
  Q_EMIT swatchDropped(swatch->number() - 1, swatch->fill(), target->number() - kBoardSwatchCount);
}

}  // namespace tintara
