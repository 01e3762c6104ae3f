#include "board/notice.h"

#include <QAccessible>
#include <QMouseEvent>
#include <algorithm>

namespace tintara {
namespace {

// Long enough to read a short sentence twice, longer for a long one.
int ShownMilliseconds(const QString& text) {
  return std::clamp(3000 + 60 * static_cast<int>(text.size()), 4000, 10000);
}

}  // namespace

Notice::Notice(QWidget* over) : OverlayLabel(over) {
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

QRect Notice::placeOver(const QRect& view) {
  // Wide enough for a file name and its size on one line.
  constexpr int kReadableWidth = 320;
  const int width = std::min(std::max(view.width(), kReadableWidth), parentWidget()->width());
  const int height = heightForWidth(width);
  return {std::max(0, view.right() + 1 - width), std::max(0, view.bottom() + 1 - height), width,
          height};
}

}  // namespace tintara
