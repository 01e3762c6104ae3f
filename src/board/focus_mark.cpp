#include "board/focus_mark.h"

#include <QPainter>

namespace tintara {

void DrawFocusMark(QPainter& painter, QRect mark) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(mark);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawRect(mark);
  painter.restore();
}

}  // namespace tintara
