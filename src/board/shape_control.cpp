#include "board/shape_control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tintara {

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent) {}

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
}

void ShapeControl::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(this, event->button());
  event->accept();
}

void ShapeControl::mouseMoveEvent(QMouseEvent* event) {
  if (onMove) onMove(this, event->position().toPoint());
  event->accept();
}

void ShapeControl::mouseReleaseEvent(QMouseEvent* event) {
  if (onRelease && event->button() == Qt::LeftButton) onRelease(this, event->position().toPoint());
  event->accept();
}

void ShapeControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && onEscape) {
    onEscape(this);
    event->accept();
  } else {
    QWidget::keyPressEvent(event);
  }
}

int SwatchNumber(const QObject* control) {
  static constexpr int kPrefixLength = 5;  // "Shape"
  return control->objectName().mid(kPrefixLength).toInt();
}

}  // namespace tintara
