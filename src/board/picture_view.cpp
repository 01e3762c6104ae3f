#include "board/picture_view.h"

#include <QPainter>

#include "paint/picture.h"

namespace tintara {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}

void PictureView::showPicture(std::shared_ptr<const Picture> picture) {
  shown_ = std::move(picture);
  picture_ = QImage(reinterpret_cast<const uchar*>(shown_->pixels.data()), shown_->width,
                    shown_->height, shown_->width * 4, QImage::Format_RGB32);
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
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (enlarged_) {
    painter.drawImage(rect(), picture_);
  } else {
    painter.drawImage(0, 0, picture_);
  }
}

}  // namespace tintara
