#include "board/shape_control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "board/focus_mark.h"
#include "board/lock_mark.h"

namespace tintara {

ShapeControl::ShapeControl(int number, QWidget* parent) : QWidget(parent), number_(number) {}

void ShapeControl::setFill(const QColor& colour) {
  if (fill_ == colour) return;
  fill_ = colour;
  update();
}

void ShapeControl::setFigure(Figure figure) {
  if (figure_ == figure) return;
  figure_ = figure;
  update();
}

void ShapeControl::setFocusMark(bool on) {
  if (focusMark_ == on) return;
  focusMark_ = on;
  update();
}

void ShapeControl::setLockMark(bool on) {
  if (lockMark_ == on) return;
  lockMark_ = on;
  update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill_);
  const QRect box = rect().adjusted(0, 0, -1, -1);
  if (figure_ == Figure::Circle) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawEllipse(box);
  } else {
    painter.drawRect(box);
  }
  if (dropOutlined_) {
    // Two pixels inside the outline, in the colour that marks a selection.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 1));
    painter.drawRect(box.adjusted(1, 1, -1, -1));
    painter.drawRect(box.adjusted(2, 2, -2, -2));
  }
  if (focusMark_) DrawFocusMark(painter, box.adjusted(2, 2, -2, -2));
  if (lockMark_) DrawLockMark(painter, box);
}

// While a drag lasts this control holds the mouse, so a press of another button comes here too.
void ShapeControl::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (dragging_) {
    endDrag(nullptr);
  } else if (event->button() == Qt::LeftButton && draggable_) {
    dragging_ = true;
    grabKeyboard();
    Q_EMIT dragStarted();
    showWhetherAccepted(rect().center());
  } else {
    Q_EMIT pressed(event->button());
  }
}

void ShapeControl::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (dragging_) showWhetherAccepted(event->position().toPoint());
}

void ShapeControl::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (dragging_ && event->button() == Qt::LeftButton) {
    endDrag(dropTargetAt(event->position().toPoint()));
  }
}

// The keys go no further while a drag lasts: the view holding the control would take them for
// its own.
void ShapeControl::keyPressEvent(QKeyEvent* event) {
  if (!dragging_) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (event->key() == Qt::Key_Escape) endDrag(nullptr);
}

void ShapeControl::enterEvent(QEnterEvent*) { Q_EMIT hovered(true); }

void ShapeControl::leaveEvent(QEvent*) { Q_EMIT hovered(false); }

ShapeControl* ShapeControl::dropTargetAt(QPoint position) const {
  QWidget* top = window();
  auto* target = qobject_cast<ShapeControl*>(top->childAt(mapTo(top, position)));
  return target != nullptr && target->dropTarget_ ? target : nullptr;
}

void ShapeControl::showWhetherAccepted(QPoint position) {
  ShapeControl* target = dropTargetAt(position);
  setCursor(target != nullptr ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
  outlineDropTarget(target != this ? target : nullptr);
}

void ShapeControl::outlineDropTarget(ShapeControl* target) {
  if (outlined_ == target) return;
  if (outlined_ != nullptr) {
    outlined_->dropOutlined_ = false;
    outlined_->update();
  }
  outlined_ = target;
  if (target != nullptr) {
    target->dropOutlined_ = true;
    target->update();
  }
}

void ShapeControl::endDrag(ShapeControl* target) {
  outlineDropTarget(nullptr);
  dragging_ = false;
  unsetCursor();
  releaseKeyboard();
  Q_EMIT dragEnded(target);
}

}  // namespace tintara
