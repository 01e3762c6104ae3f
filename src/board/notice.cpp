#include "board/notice.h"

#include <QAccessible>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

namespace tintara {
namespace {

// Long enough to read a short sentence twice, longer for a long one.
int ShownMilliseconds(const QString& text) {
  return std::clamp(3000 + 60 * static_cast<int>(text.size()), 4000, 10000);
}

}  // namespace

Notice::Notice(QScrollArea* over) : OverlayLabel(over) {
  setObjectName("Notice");
  setWordWrap(true);
  setMargin(6);
  setFrameShape(QFrame::Box);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void Notice::tell(const QString& text) {
  setText(text);
  place();
  if (isVisible()) {
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
  show();
  raise();
  timer_.start(ShownMilliseconds(text));
}

void Notice::mousePressEvent(QMouseEvent* event) {
  timer_.stop();
  hide();
  event->accept();
}

// Wide enough for a file name and its size on one line where there is room; narrower where the
// free space is, the words wrapped.
std::vector<QSize> Notice::sizes() const {
  std::vector<QSize> sizes;
  for (const int width : {320, 240, 180, 130, 90}) sizes.emplace_back(width, heightForWidth(width));
  return sizes;
}

// Under the picture area.
QPoint Notice::near(const QRect& pictureArea) const { return pictureArea.bottomLeft(); }

}  // namespace tintara
