#pragma once

#include <QImage>
#include <QTimer>
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
  const QImage& frame() const { return frame_; }

  // Alternates, about twice a second, between the shown picture and `marked` until stopped or
  // until another picture is shown; stopping shows the picture again exactly. Nothing blinks
  // while a mouse button is held, as it is through a drag.
  void blink(std::shared_ptr<const Picture> marked);
  void stopBlinking();

  // Sizes the view to the picture, enlarged or not.
  void setEnlarged(bool enlarged);
  bool isEnlarged() const { return enlarged_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void toggleBlink();

  std::shared_ptr<const Picture> shown_;
  std::shared_ptr<const Picture> marked_;  // while blinking
  QTimer* blinkTimer_;
  QImage picture_;  // over shown_'s pixels
  QImage frame_;    // what is drawn: the picture, or while blinking also the marked one
  bool enlarged_ = false;
};

}  // namespace tintara
