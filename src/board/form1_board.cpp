// The swatch board: filled once on the first activation, and the hint switch.
#include <QAction>
#include <QLabel>

#include "app/form1.h"
#include "board/board_layout.h"
#include "board/control_factory.h"
#include "board/hint_switch.h"
#include "board/shape_control.h"
#include "board/switched_hints.h"
#include "paint/reference_palette.h"

namespace tintara {

void TForm1::FormActivate() {
  if (boardFilled_) return;
  boardFilled_ = true;
  for (int code = 0; code < kBoardSwatchCount; ++code) {
    ShapeControl* swatch = shape(code + 1);
    swatch->setFill(ToQColor(ReferenceColour(code)));
    QString hint = QStringLiteral("Code %1 ").arg(code);
    if (IsReservedSwatch(code + 1)) hint += "- not used ";
    SetHint(swatch, hint);
  }
  UpdateHints();
}

void TForm1::UpdateHints() {
  const bool show = !action("HideHints")->isChecked();
  for (const SwitchedHint& switched : kSwitchedHints) {
    SetShowHint(control<QWidget>(switched.control), show);
  }
}

void TForm1::Shape1MouseDown(ShapeControl* swatch) {
  if (IsReservedSwatch(SwatchNumber(swatch))) return;
  control<ShapeControl>("SampleColor")->setFill(swatch->fill());
}

void TForm1::Shape1StartDrag(ShapeControl* swatch) {
  const int n = SwatchNumber(swatch);
  if (IsReservedSwatch(n)) return;
  control<ShapeControl>("SampleColor")->setFill(swatch->fill());
  control<QLabel>("LSample")->setText(QString::number(n - 1));
  markedSwatch_->setFigure(ShapeControl::Figure::Rectangle);
  markedSwatch_ = swatch;
  markedSwatch_->setFigure(ShapeControl::Figure::Circle);
}

}  // namespace tintara
