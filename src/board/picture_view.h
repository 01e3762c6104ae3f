#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

namespace tintara {

struct Picture;

// The painted picture, drawn from its top left corner at its natural size or, enlarged, four
// times larger with every pixel a block of 4 x 4 and no smoothing.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  explicit PictureView(QWidget* parent);

  // Shows the picture without copying it, keeping it for as long as it is shown; changes drawn
  // into it show at the next update.
  void showPicture(std::shared_ptr<const Picture> picture);
  const QImage& picture() const { return picture_; }

  // Sizes the view to the picture, enlarged or not.
  void setEnlarged(bool enlarged);
  bool isEnlarged() const { return enlarged_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::shared_ptr<const Picture> shown_;
  QImage picture_;  // over shown_'s pixels
  bool enlarged_ = false;
};

}  // namespace tintara
