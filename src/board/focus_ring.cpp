#include "board/focus_ring.h"

#include <QEvent>
#include <QPainter>
#include <QScrollArea>

#include "board/focus_mark.h"

namespace tintara {

FocusRing::FocusRing(QScrollArea* scroller)
    : QWidget(scroller->parentWidget()), scroller_(scroller) {
  setObjectName("FocusRing");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
  scroller->installEventFilter(this);
  scroller->widget()->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      follow();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// Around the part of the picture inside the scroll area's viewport; only the ring itself is this
// widget's, so that it covers nothing inside.
void FocusRing::follow() {
  const QWidget* picture = scroller_->widget();
  const QWidget* viewport = scroller_->viewport();
  const QRect shown = picture->geometry() & viewport->rect();
  if (!picture->hasFocus() || !scroller_->isVisible() || shown.isEmpty()) {
    hide();
    return;
  }
  const QRect inner(viewport->mapTo(parentWidget(), shown.topLeft()), shown.size());
  setGeometry(inner.adjusted(-kWidth, -kWidth, kWidth, kWidth));
  setMask(QRegion(rect()) - QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth)));
  show();
  raise();
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawFocusMark(painter, rect().adjusted(0, 0, -1, -1));
}

}  // namespace tintara
