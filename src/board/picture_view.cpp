#include "board/picture_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "board/picture_image.h"
#include "paint/picture.h"

namespace tintara {

PictureView::PictureView(QWidget* parent, int blinkingMilliseconds)
    : QWidget(parent), blinkTimer_(new QTimer(this)), blinkEnd_(new QTimer(this)) {
  constexpr int kBlinkMilliseconds = 250;  // on and off twice a second
  blinkTimer_->setInterval(kBlinkMilliseconds);
  connect(blinkTimer_, &QTimer::timeout, this, &PictureView::toggleBlink);
  blinkEnd_->setSingleShot(true);
  blinkEnd_->setInterval(blinkingMilliseconds);
  connect(blinkEnd_, &QTimer::timeout, this, &PictureView::stopBlinking);
  setAccessibleName("Picture");
}

void PictureView::showPicture(std::shared_ptr<const Picture> picture) {
  blinkTimer_->stop();
  blinkEnd_->stop();
  marked_.reset();
  shown_ = std::move(picture);
  picture_ = ImageOver(*shown_);
  frame_ = picture_;
  // The view is as large as the picture at its zoom, from the first picture on.
  if (size() != picture_.size() * zoom_) resize(picture_.size() * zoom_);
  // Every edit shows a picture; screen readers hear of a new name only when the size changes.
  const QString name =
      QStringLiteral("Picture, %1 by %2 pixels").arg(shown_->width).arg(shown_->height);
  if (name != accessibleName()) setAccessibleName(name);
  update();
}

void PictureView::blink(std::shared_ptr<const Picture> marked) {
  marked_ = std::move(marked);
  blinkTimer_->start();
  blinkEnd_->start();
  toggleBlink();
}

void PictureView::stopBlinking() {
  if (marked_ == nullptr) return;
  showPicture(shown_);
}

void PictureView::toggleBlink() {
  const bool marked = frame_.constBits() != picture_.constBits();
  frame_ =
      !marked && QGuiApplication::mouseButtons() == Qt::NoButton ? ImageOver(*marked_) : picture_;
  update();
}

void PictureView::setZoom(int zoom) {
  zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
  resize(zoom_ * picture_.width(), zoom_ * picture_.height());
  update();
}

// Only the pixels under the exposed area are drawn: at a large zoom the view is far larger than
// what shows of it.
void PictureView::paintEvent(QPaintEvent* event) {
  if (frame_.isNull()) return;
  const QRect exposed = event->rect();
  const QRect source = QRect(QPoint(exposed.left() / zoom_, exposed.top() / zoom_),
                             QPoint(exposed.right() / zoom_, exposed.bottom() / zoom_)) &
                       frame_.rect();
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), frame_, source);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressedAt_ = event->position().toPoint();
}

// A press that moved before its release was no click.
void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const QPoint at = event->position().toPoint();
  const bool clicked = pressedAt_ && *pressedAt_ == at;
  pressedAt_.reset();
  if (!clicked || !rect().contains(at)) return;
  Q_EMIT pixelClicked(at.x() / zoom_, at.y() / zoom_);
}

}  // namespace tintara
