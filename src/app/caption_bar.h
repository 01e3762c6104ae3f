#pragma once

#include <QPoint>
#include <QWidget>

namespace tintara {

// A title bar that a window without the desktop's frame draws for itself: the window's title on
// the style's title bar, and no buttons. Window managers that keep a minimise or close button on
// every framed window (Openbox does, whatever the window asks for) cannot add one here. Dragging
// the bar moves the window.
class CaptionBar : public QWidget {
  Q_OBJECT

 public:
  explicit CaptionBar(QWidget* window);

  QSize sizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint grabbed_;  // where the window was taken, where the desktop cannot move it itself
  bool moving_ = false;
};

}  // namespace tintara
