#include "board/picture_badge.h"

#include <QEvent>

namespace tintara {

PictureBadge::PictureBadge(QWidget* over) : QLabel(over->parentWidget()), over_(over) {
  setObjectName("PictureBadge");
  setMargin(2);
  setAutoFillBackground(true);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  QLabel::hide();
  over->installEventFilter(this);
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

bool PictureBadge::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::Resize || event->type() == QEvent::Move;
  if (watched == over_ && moved && isVisible()) place();
  return QLabel::eventFilter(watched, event);
}

void PictureBadge::place() {
  adjustSize();
  const QRect view = over_->geometry();
  setGeometry(view.left(), view.top(), std::min(width(), parentWidget()->width()), height());
}

}  // namespace tintara
