#include "board/picture_badge.h"

namespace tintara {

PictureBadge::PictureBadge(QScrollArea* over) : OverlayLabel(over) {
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

std::vector<QSize> PictureBadge::sizes() const { return {sizeHint()}; }

// At the top of the picture area.
QPoint PictureBadge::near(const QRect& pictureArea) const { return pictureArea.topLeft(); }

}  // namespace tintara
