#include "board/picture_view.h"

#include <QGuiApplication>
#include <QPainter>

#include "paint/picture.h"

namespace tintara {

PictureView::PictureView(QWidget* parent) : QWidget(parent), blinkTimer_(new QTimer(this)) {
  constexpr int kBlinkMilliseconds = 250;  // on and off twice a second
  blinkTimer_->setInterval(kBlinkMilliseconds);
  connect(blinkTimer_, &QTimer::timeout, this, &PictureView::toggleBlink);
}

namespace {

QImage ImageOver(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, picture.width * 4, QImage::Format_RGB32);
}

}  // namespace

void PictureView::showPicture(std::shared_ptr<const Picture> picture) {
  blinkTimer_->stop();
  marked_.reset();
  shown_ = std::move(picture);
  picture_ = ImageOver(*shown_);
  frame_ = picture_;
  update();
}

void PictureView::blink(std::shared_ptr<const Picture> marked) {
  marked_ = std::move(marked);
  blinkTimer_->start();
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

void PictureView::setEnlarged(bool enlarged) {
  constexpr int kEnlargeFactor = 4;
  enlarged_ = enlarged;
  const int factor = enlarged ? kEnlargeFactor : 1;
  resize(factor * picture_.width(), factor * picture_.height());
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  if (frame_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (enlarged_) {
    painter.drawImage(rect(), frame_);
  } else {
    painter.drawImage(0, 0, frame_);
  }
}

}  // namespace tintara
