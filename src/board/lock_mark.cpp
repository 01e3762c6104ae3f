#include "board/lock_mark.h"

#include <QPainter>
#include <QPainterPath>

namespace tintara {

void DrawLockMark(QPainter& painter, QRect swatch) {
  // A 5 x 4 body under a shackle 3 wide, kept off the swatch's outline.
  const QPointF corner(swatch.right() - 7.5, swatch.top() + 2.5);
  QPainterPath shackle;
  shackle.moveTo(corner + QPointF(1, 4));
  shackle.lineTo(corner + QPointF(1, 1));
  shackle.lineTo(corner + QPointF(4, 1));
  shackle.lineTo(corner + QPointF(4, 4));
  const QRectF body(corner + QPointF(0, 4), QSizeF(5, 4));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(shackle);
  painter.drawRect(body);
  painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(shackle);
  painter.setBrush(Qt::black);
  painter.drawRect(body);
  painter.restore();
}

}  // namespace tintara
