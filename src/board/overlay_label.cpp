#include "board/overlay_label.h"

#include <QEvent>

#include "board/accessible_views.h"

namespace tintara {

OverlayLabel::OverlayLabel(QWidget* over) : QLabel(over->parentWidget()), over_(over) {
  // Before anything that may make an accessible interface: readers see some overlays their way.
  InstallAccessibleViews();
  setAutoFillBackground(true);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  hide();
  over->installEventFilter(this);
}

void OverlayLabel::place() { setGeometry(placeOver(over_->geometry())); }

bool OverlayLabel::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::Resize || event->type() == QEvent::Move;
  if (watched == over_ && moved && isVisible()) place();
  return QLabel::eventFilter(watched, event);
}

}  // namespace tintara
