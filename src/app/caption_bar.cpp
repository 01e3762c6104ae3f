#include "app/caption_bar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStyleOptionTitleBar>
#include <QStylePainter>
#include <QWindow>

namespace tintara {
namespace {

QStyleOptionTitleBar TitleBarOption(const QWidget& bar) {
  QStyleOptionTitleBar option;
  option.initFrom(&bar);
  const QWidget* window = bar.window();
  option.text = window->windowTitle();
  option.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
  option.titleBarState = window->isActiveWindow() ? Qt::WindowActive : Qt::WindowNoState;
  if (window->isActiveWindow()) option.state |= QStyle::State_Active;
  option.subControls = QStyle::SC_TitleBarLabel;
  return option;
}

}  // namespace

CaptionBar::CaptionBar(QWidget* window) : QWidget(window) {
  setObjectName("CaptionBar");
  window->installEventFilter(this);
}

QSize CaptionBar::sizeHint() const {
  const QStyleOptionTitleBar option = TitleBarOption(*this);
  return {window()->width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this)};
}

bool CaptionBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ActivationChange) {
    update();
  }
  return QWidget::eventFilter(watched, event);
}

void CaptionBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTitleBar option = TitleBarOption(*this);
  option.rect = rect();
  painter.drawComplexControl(QStyle::CC_TitleBar, option);
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QWindow* handle = window()->windowHandle();
  moving_ = handle == nullptr || !handle->startSystemMove();
  grabbed_ = event->globalPosition().toPoint() - window()->pos();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
  if (moving_ && (event->buttons() & Qt::LeftButton)) {
    window()->move(event->globalPosition().toPoint() - grabbed_);
  }
}

}  // namespace tintara
