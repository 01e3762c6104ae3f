#include "board/image_view.h"

#include <QPainter>

namespace tintara {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {}

void ImageView::setPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

QImage& ImageView::pictureBuffer(int width, int height) {
  if (picture_.width() != width || picture_.height() != height ||
      picture_.format() != QImage::Format_RGB32) {
    picture_ = QImage(width, height, QImage::Format_RGB32);
  }
  return picture_;
}

void ImageView::setStretch(bool on) {
  if (stretch_ == on) return;
  stretch_ = on;
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (stretch_) {
    painter.drawImage(rect(), picture_);
  } else {
    painter.drawImage(0, 0, picture_);
  }
}

}  // namespace tintara
