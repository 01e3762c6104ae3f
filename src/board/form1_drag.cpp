// Dragging swatches onto slots.
//
// The drag never leaves this window, so it is done in the window itself: a left press on a
// draggable swatch (board swatches 2..239 and the visible slot swatches) starts it at once,
// with no movement threshold; the pressed control keeps the mouse until the button goes up;
// while it moves the cursor tells whether the control under it takes the drop; on release the
// visible slot swatch under the cursor, if any, receives the drop, and then a drag that began on
// a slot swatch ends with a recolouring wherever it was released. Escape or a press of another
// button cancels the drag: no drop, but the end of a drag from a slot swatch still recolours.
// Only shape controls are ever accepted, and only slot swatches accept.
#include <QCursor>
#include <QLabel>

#include "app/error_report.h"
#include "app/form1.h"
#include "board/board_layout.h"
#include "board/shape_control.h"

namespace tintara {
namespace {

bool IsSlotSwatch(int n) { return n >= kFirstSlotSwatch && n < kFirstSlotSwatch + kSlotCount; }

bool IsDragSource(int n) {
  return IsSlotSwatch(n) || (n >= 1 && n <= kBoardSwatchCount && !IsReservedSwatch(n));
}

}  // namespace

void TForm1::ConnectSwatches() {
  for (int n = 1; n < kFirstSlotSwatch + kSlotCount; ++n) {
    ShapeControl* swatch = shape(n);
    swatch->onPress = [this](ShapeControl* pressed, Qt::MouseButton button) {
      ReportErrors([=, this] { SwatchPressed(pressed, button); });
    };
    swatch->onMove = [this](ShapeControl* source, QPoint position) {
      ReportErrors([=, this] { DragMoved(source, position); });
    };
    swatch->onRelease = [this](ShapeControl* source, QPoint position) {
      ReportErrors([=, this] { DragReleased(source, position); });
    };
    swatch->onEscape = [this](ShapeControl* source) {
      ReportErrors([=, this] {
        if (source == dragSource_) EndDrag(source, nullptr);
      });
    };
  }
}

void TForm1::SwatchPressed(ShapeControl* swatch, Qt::MouseButton button) {
  const int n = SwatchNumber(swatch);
  if (dragSource_ != nullptr) {
    EndDrag(dragSource_, nullptr);
  } else if (button == Qt::LeftButton && IsDragSource(n)) {
    dragSource_ = swatch;
    swatch->grabKeyboard();
    if (!IsSlotSwatch(n)) Shape1StartDrag(swatch);
    DragMoved(swatch, swatch->rect().center());
  } else if (!IsSlotSwatch(n)) {
    Shape1MouseDown(swatch);
  }
}

ShapeControl* TForm1::DropTargetAt(ShapeControl* source, QPoint position) const {
  QWidget* client = centralWidget();
  auto* target = qobject_cast<ShapeControl*>(client->childAt(source->mapTo(client, position)));
  if (target == nullptr || !IsSlotSwatch(SwatchNumber(target))) return nullptr;
  return target;
}

void TForm1::DragMoved(ShapeControl* source, QPoint position) {
  if (source != dragSource_) return;
  ShapeControl* target = DropTargetAt(source, position);
  const bool accepted = target != nullptr && Shape257DragOver(target, source);
  source->setCursor(accepted ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
}

void TForm1::DragReleased(ShapeControl* source, QPoint position) {
  if (source == dragSource_) EndDrag(source, DropTargetAt(source, position));
}

void TForm1::EndDrag(ShapeControl* source, ShapeControl* target) {
  dragSource_ = nullptr;
  source->unsetCursor();
  source->releaseKeyboard();
  if (target != nullptr && Shape257DragOver(target, source)) Shape257DragDrop(target, source);
  if (IsSlotSwatch(SwatchNumber(source))) Shape257EndDrag(source);
}

bool TForm1::Shape257DragOver(ShapeControl*, QObject* source) {
  return qobject_cast<ShapeControl*>(source) != nullptr;
}

void TForm1::Shape257DragDrop(ShapeControl* target, ShapeControl* source) {
  RememberLastCodes();
  const int t = SwatchNumber(target);
  const int s = SwatchNumber(source);
  SlotRecord& record = model_.slots[static_cast<std::size_t>(t - kFirstSlotSwatch)];
  const std::int32_t code =
      s - 1 <= 255 ? s - 1 : model_.slots[static_cast<std::size_t>(s - kFirstSlotSwatch)].code;
  record.code = code;
  record.colour = FromQColor(source->fill());
  label(t - 251)->setText(QString::number(code));
  target->setFill(source->fill());
  ApplyCodes();
}

void TForm1::Shape257EndDrag(ShapeControl*) { ApplyCodes(); }

}  // namespace tintara
