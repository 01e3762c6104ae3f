#include "board/caption_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <utility>

#include "board/accessible_views.h"

namespace tintara {

// The text is set once the object is a caption button: screen readers ask what it is as soon as
// its text changes, and keep the answer.
CaptionButton::CaptionButton(const QString& text, QWidget* parent) : QLabel(parent) {
  InstallAccessibleViews();
  setFocusPolicy(Qt::TabFocus);
  setText(text);
}

// A double-click's second press comes here too, as a press of that type.
void CaptionButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = event->type() == QEvent::MouseButtonPress;
  QLabel::mousePressEvent(event);
}

void CaptionButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && std::exchange(pressed_, false) &&
      rect().contains(event->position().toPoint())) {
    click();
  }
  QLabel::mouseReleaseEvent(event);
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      event->accept();
      click();
      break;
    default:
      QLabel::keyPressEvent(event);
  }
}

void CaptionButton::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  const QRect textBox = QStyle::alignedRect(layoutDirection(), alignment(),
                                            fontMetrics().size(0, text()), contentsRect());
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  painter.drawRect(textBox.adjusted(-1, 0, 0, -1).intersected(rect().adjusted(0, 0, -1, -1)));
}

}  // namespace tintara
