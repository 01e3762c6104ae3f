#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

namespace tintara {

struct Picture;

// The painted picture, drawn from its top left corner at a whole zoom: every pixel a block of
// zoom x zoom, never smoothed. A left click, pressed and released at the same place, tells the
// picture's pixel under it (pixelClicked).
class PictureView : public QWidget {
  Q_OBJECT

 public:
  // A flashing area should not go on for longer than five seconds.
  static constexpr int kBlinkingMilliseconds = 5000;
  explicit PictureView(QWidget* parent, int blinkingMilliseconds = kBlinkingMilliseconds);

  // Shows the picture without copying it, keeping it for as long as it is shown; changes drawn
  // into it show at the next update.
  void showPicture(std::shared_ptr<const Picture> picture);
  const QImage& picture() const { return picture_; }
  const QImage& frame() const { return frame_; }

  // Alternates, twice a second, between the shown picture and `marked` for the blinking time, until
  // stopped or until another picture is shown; then the picture shows again exactly. Nothing
  // blinks while a mouse button is held, as it is through a drag.
  void blink(std::shared_ptr<const Picture> marked);
  void stopBlinking();

  // Sizes the view to the picture at the zoom, from kSmallestZoom to kLargestZoom.
  static constexpr int kSmallestZoom = 1;
  static constexpr int kLargestZoom = 16;
  void setZoom(int zoom);
  int zoom() const { return zoom_; }

 Q_SIGNALS:
  void pixelClicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void toggleBlink();

  std::shared_ptr<const Picture> shown_;
  std::shared_ptr<const Picture> marked_;  // while blinking
  QTimer* blinkTimer_;
  QTimer* blinkEnd_;
  QImage picture_;  // over shown_'s pixels
  QImage frame_;    // what is drawn: the picture, or while blinking also the marked one
  int zoom_ = 1;
  std::optional<QPoint> pressedAt_;  // while the left button is held
};

}  // namespace tintara
