#pragma once

#include <QImage>
#include <QWidget>

namespace tintara {

struct Picture;

// The painted picture, drawn from its top left corner at its natural size or, enlarged, four
// times larger with every pixel a block of 4 x 4 and no smoothing.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  explicit PictureView(QWidget* parent);

  // Shows the picture without copying it: it must stay as it is until the next call.
  void showPicture(const Picture& picture);
  const QImage& picture() const { return picture_; }

  // Sizes the view to the picture, enlarged or not.
  void setEnlarged(bool enlarged);
  bool isEnlarged() const { return enlarged_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool enlarged_ = false;
};

}  // namespace tintara
