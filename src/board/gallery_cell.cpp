#include "board/gallery_cell.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "board/focus_mark.h"
#include "paint/picture.h"

namespace tintara {
namespace {

constexpr int kMargin = 4;
// An empty cell keeps the room of a small picture, so that its caption does not stand alone.
constexpr QSize kEmptyPicture(32, 32);

}  // namespace

GalleryCell::GalleryCell(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  setFocusPolicy(Qt::StrongFocus);
}

void GalleryCell::showPicture(const Picture* picture) {
  const QSize before = pictureSize();
  image_ = picture == nullptr || picture->pixels.empty()
               ? QImage()
               : QImage(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->width,
                        picture->height, picture->width * 4, QImage::Format_RGB32);
  if (pictureSize() != before) updateGeometry();
  update();
}

void GalleryCell::setZoom(int zoom) {
  zoom_ = std::max(zoom, 1);
  updateGeometry();
  update();
}

QSize GalleryCell::pictureSize() const {
  return image_.isNull() ? kEmptyPicture : image_.size() * zoom_;
}

QSize GalleryCell::sizeHint() const {
  const QSize picture = pictureSize();
  const QFontMetrics metrics = fontMetrics();
  return {std::max(picture.width(), metrics.horizontalAdvance(text())) + 2 * kMargin,
          picture.height() + metrics.height() + 3 * kMargin};
}

void GalleryCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSize picture = pictureSize();
  const QRect place(QPoint((width() - picture.width()) / 2, kMargin), picture);
  if (image_.isNull()) {
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawRect(place.adjusted(0, 0, -1, -1));
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(place, image_);
  }
  const QRect caption(0, place.bottom() + 1 + kMargin, width(), fontMetrics().height());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, text());
  if (hasFocus()) DrawFocusMark(painter, rect().adjusted(1, 1, -2, -2));
}

// Enter chooses the cell as Space does.
void GalleryCell::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

}  // namespace tintara
