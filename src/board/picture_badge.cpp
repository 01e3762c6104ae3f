#include "board/picture_badge.h"

#include <algorithm>

namespace tintara {

PictureBadge::PictureBadge(QWidget* over) : OverlayLabel(over) {
  setObjectName("PictureBadge");
  setMargin(2);
}

void PictureBadge::show(const QString& text) {
  setText(text);
  setAccessibleName(text);
  if (text.isEmpty()) {
    hide();
    return;
  }
  place();
  QLabel::show();
  raise();
}

QRect PictureBadge::placeOver(const QRect& view) {
  const QSize size = sizeHint();
  return {view.left(), view.top(), std::min(size.width(), parentWidget()->width()), size.height()};
}

}  // namespace tintara
