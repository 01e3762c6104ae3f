#include "board/notice.h"

#include <QAccessible>
#include <QEvent>
#include <QMouseEvent>
#include <algorithm>

#include "board/accessible_views.h"

namespace tintara {
namespace {

// Long enough to read a short sentence twice, longer for a long one.
int ShownMilliseconds(const QString& text) {
  return std::clamp(3000 + 60 * static_cast<int>(text.size()), 4000, 10000);
}

}  // namespace

Notice::Notice(QWidget* over) : QLabel(over->parentWidget()), over_(over) {
  InstallAccessibleViews();
  setObjectName("Notice");
  setWordWrap(true);
  setMargin(6);
  setAutoFillBackground(true);
  setFrameShape(QFrame::Box);
  // The colours of a tooltip: a system's notes look like this, and they stand out from any skin.
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  hide();
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
  over->installEventFilter(this);
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

bool Notice::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::Resize || event->type() == QEvent::Move;
  if (watched == over_ && moved && isVisible()) place();
  return QLabel::eventFilter(watched, event);
}

void Notice::mousePressEvent(QMouseEvent* event) {
  timer_.stop();
  hide();
  event->accept();
}

void Notice::place() {
  // Wide enough for a file name and its size on one line.
  constexpr int kReadableWidth = 320;
  const QRect view = over_->geometry();
  const int width = std::min(std::max(view.width(), kReadableWidth), parentWidget()->width());
  const int height = heightForWidth(width);
  setGeometry(std::max(0, view.right() + 1 - width), std::max(0, view.bottom() + 1 - height), width,
              height);
}

}  // namespace tintara
