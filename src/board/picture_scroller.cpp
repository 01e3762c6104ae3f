#include "board/picture_scroller.h"

#include <QMouseEvent>
#include <QScrollBar>

#include "board/focus_ring.h"
#include "board/picture_view.h"

namespace tintara {

PictureScroller::PictureScroller(PictureView* view, QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidget(view);
  // The view sizes itself to the picture; the area only shows what fits.
  setWidgetResizable(false);
  setBackgroundRole(QPalette::Window);
  view->installEventFilter(this);
  new FocusRing(this);
}

// The middle button drags the picture under the mouse, as in other picture viewers.
bool PictureScroller::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget()) return QScrollArea::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::MiddleButton) break;
      dragging_ = true;
      dragFrom_ = press->globalPosition().toPoint();
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragging_) break;
      const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      const QPoint moved = at - dragFrom_;
      dragFrom_ = at;
      horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
      verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) break;
      dragging_ = false;
      return true;
    default:
      break;
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace tintara
