#include "board/swatch_board.h"

#include <QKeyEvent>
#include <QLabel>

#include "board/accessible_views.h"
#include "board/control_factory.h"
#include "board/qcolor_conversion.h"
#include "board/shape_control.h"
#include "paint/colour_names.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

constexpr Colour kPlaceholderColour = 0xFFCCDD;  // until the first activation fills the board
constexpr int kBoardPitch = 15;  // one less than the size: neighbours share their outline
constexpr int kBoardOrigin = 8;
constexpr int kColumns = 16;

constexpr bool IsReservedCode(int code) { return code == 0 || code >= 239; }

QString SwatchAccessibleName(int code) {
  return QStringLiteral("Code %1, %2")
      .arg(code)
      .arg(IsReservedCode(code) ? QStringLiteral("not used")
                                : QString::fromLatin1(ColourName(ReferenceColour(code))));
}

}  // namespace

SwatchBoard::SwatchBoard(QWidget* parent) : QWidget(parent) {
  InstallAccessibleViews();
  setObjectName("SwatchBoard");
  setAccessibleName("Swatch board");
  // Tab reaches the board; a click on a swatch leaves the focus where it is, as it always did.
  setFocusPolicy(Qt::TabFocus);
  for (int code = 0; code < kBoardSwatchCount; ++code) {
    const int row = code / kColumns;
    const int column = code % kColumns;
    ShapeControl* swatch =
        AddShape(this, BoardSwatchNumber(code), BoardSwatchName(code),
                 QRect(kBoardOrigin + kBoardPitch * column, kBoardOrigin + kBoardPitch * row,
                       kSwatchSize, kSwatchSize),
                 ToQColor(kPlaceholderColour));
    swatch->setDraggable(!IsReservedCode(code));
    swatch->setAccessibleName(SwatchAccessibleName(code));
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
    swatch->setFill(ToQColor(Simulated(vision_, ReferenceColour(code))));
    QString hint = QStringLiteral("Code %1 ").arg(code);
    if (IsReservedCode(code)) hint += "- not used ";
    SetHint(swatch, hint);
  }
  return true;
}

void SwatchBoard::setVision(Vision vision) {
  vision_ = vision;
  if (!filled_) return;
  for (int code = 0; code < kBoardSwatchCount; ++code) {
    swatch(code)->setFill(ToQColor(Simulated(vision_, ReferenceColour(code))));
  }
  if (sampleCode_ >= 0) sample_->setFill(swatch(sampleCode_)->fill());
}

void SwatchBoard::press(int code) {
  if (IsReservedCode(code)) return;
  sampleCode_ = code;
  sample_->setFill(swatch(code)->fill());
}

void SwatchBoard::startDrag(int code) {
  sampleCode_ = code;
  sample_->setFill(swatch(code)->fill());
  sampleLabel_->setText(QString::number(code));
  marked_->setFigure(ShapeControl::Figure::Rectangle);
  marked_ = swatch(code);
  marked_->setFigure(ShapeControl::Figure::Circle);
  makeCurrent(code);
}

// The drop targets are the slot swatches.
void SwatchBoard::endDrag(int code, const ShapeControl* target) {
  if (target == nullptr) return;
  Q_EMIT swatchDropped(code, SlotOfSwatchNumber(target->number()));
}

// What a drag cannot start, the keyboard cannot choose.
void SwatchBoard::choose(int code) {
  if (IsReservedCode(code)) return;
  startDrag(code);
  Q_EMIT swatchChosen(code);
}

void SwatchBoard::keyPressEvent(QKeyEvent* event) {
  const int column = current_ % kColumns;
  const int rowStart = current_ - column;
  const bool control = event->modifiers().testFlag(Qt::ControlModifier);
  switch (event->key()) {
    case Qt::Key_Left:
      if (column > 0) makeCurrent(current_ - 1);
      break;
    case Qt::Key_Right:
      if (column < kColumns - 1) makeCurrent(current_ + 1);
      break;
    case Qt::Key_Up:
      if (current_ >= kColumns) makeCurrent(current_ - kColumns);
      break;
    case Qt::Key_Down:
      if (current_ < kBoardSwatchCount - kColumns) makeCurrent(current_ + kColumns);
      break;
    case Qt::Key_Home:
      makeCurrent(control ? 0 : rowStart);
      break;
    case Qt::Key_End:
      makeCurrent(control ? kBoardSwatchCount - 1 : rowStart + kColumns - 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      choose(current_);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void SwatchBoard::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  swatch(current_)->setFocusMark(true);
  ReportFocusedPartAfterFocusIn(this, [this] { return swatch(current_); });
}

void SwatchBoard::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  swatch(current_)->setFocusMark(false);
}

void SwatchBoard::makeCurrent(int code) {
  if (code == current_) return;
  swatch(current_)->setFocusMark(false);
  current_ = code;
  swatch(current_)->setFocusMark(hasFocus());
  if (hasFocus()) ReportFocusedPart(swatch(current_));
}

}  // namespace tintara
