#pragma once

#include <QImage>
#include <QWidget>

namespace tintara {

// The picture control: draws its picture at the natural size from its top left corner, or, with
// stretch on, scaled to fill the control with no smoothing.
class ImageView : public QWidget {
  Q_OBJECT

 public:
  explicit ImageView(QWidget* parent = nullptr);

  const QImage& picture() const { return picture_; }
  void setPicture(QImage picture);
  // The picture's pixels for drawing into, reallocated only when the size changes, so that
  // repeated recolouring reuses one buffer. Call update() after drawing.
  QImage& pictureBuffer(int width, int height);

  bool stretch() const { return stretch_; }
  void setStretch(bool on);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool stretch_ = false;
};

}  // namespace tintara
