#pragma once

#include <QAbstractButton>

namespace tintara {

struct Picture;

// One picture of the gallery with its caption under it, drawn at a whole zoom, never smoothed.
// It is a button: a click, or Enter or Space while it has the focus, chooses it, and screen readers
// hear its caption. A cell without a picture stays empty and keeps its caption.
class GalleryCell : public QAbstractButton {
  Q_OBJECT

 public:
  GalleryCell(const QString& caption, QWidget* parent);

  // Shows the picture without copying it; it is drawn again from there at each update, so the
  // picture must stay while it is shown. Nothing or an empty picture leaves the cell empty.
  void showPicture(const Picture* picture);
  bool hasPicture() const { return !image_.isNull(); }
  const QImage& image() const { return image_; }
  void setZoom(int zoom);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QSize pictureSize() const;

  QImage image_;
  int zoom_ = 1;
};

}  // namespace tintara
