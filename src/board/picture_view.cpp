#include "board/picture_view.h"

#include <QPainter>

#include "paint/picture.h"

namespace tintara {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}

void PictureView::showPicture(const Picture& picture) {
  picture_ = QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                    picture.height, picture.width * 4, QImage::Format_RGB32);
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
