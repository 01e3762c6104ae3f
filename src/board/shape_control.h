#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace tintara {

// A control that draws one filled figure with a one-pixel black outline: the board swatches,
// the slot swatches and the sample swatch. Presses are handed to the window through onPress.
class ShapeControl : public QWidget {
  Q_OBJECT

 public:
  enum class Figure { Rectangle, Circle };

  explicit ShapeControl(QWidget* parent = nullptr);

  QColor fill() const { return fill_; }
  void setFill(const QColor& colour);
  Figure figure() const { return figure_; }
  void setFigure(Figure figure);

  // Mouse reports to the window. A control that was pressed keeps receiving the moves and the
  // release until the button goes up, wherever the pointer is; positions are the control's own.
  std::function<void(ShapeControl*, Qt::MouseButton)> onPress;
  std::function<void(ShapeControl*, QPoint)> onMove;
  std::function<void(ShapeControl*, QPoint)> onRelease;
  // Escape, while the control holds the keyboard.
  std::function<void(ShapeControl*)> onEscape;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor fill_ = Qt::white;
  Figure figure_ = Figure::Rectangle;
};

// The number after "Shape" in a shape control's name: 1..256 on the board, 257..272 for slots.
int SwatchNumber(const QObject* control);

}  // namespace tintara
