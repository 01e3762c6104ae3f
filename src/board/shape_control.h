#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace tintara {

// A control that draws one filled figure with a one-pixel black outline: the board swatches, the
// slot swatches and the sample swatch. Each knows its swatch number.
//
// Dragging one shape control onto another. The drag never leaves the window, so the controls do
// it themselves instead of through QDrag: a left press on a draggable control starts it at once,
// with no movement threshold, and the pressed control keeps the mouse until the button goes up.
// While it moves, the cursor tells whether the control under it takes the drop: only visible
// drop targets do, and the one under the cursor shows an outline in the selection colour. On
// release the drag ends, with the drop target under the cursor if there is one. Escape, or a press
// of another button, cancels the drag: it ends with no target; the other keys do nothing while the
// drag lasts.
//
// The view holding a control can mark it as the one the keyboard is on: a dotted rectangle
// inside the outline, over the fill; and mark it locked: a tiny padlock in a corner.
class ShapeControl : public QWidget {
  Q_OBJECT

 public:
  enum class Figure { Rectangle, Circle };

  ShapeControl(int number, QWidget* parent);

  int number() const { return number_; }
  QColor fill() const { return fill_; }
  void setFill(const QColor& colour);
  Figure figure() const { return figure_; }
  void setFigure(Figure figure);
  bool hasFocusMark() const { return focusMark_; }
  void setFocusMark(bool on);
  bool hasLockMark() const { return lockMark_; }
  void setLockMark(bool on);
  void setDraggable(bool on) { draggable_ = on; }
  void setDropTarget(bool on) { dropTarget_ = on; }
  // While a drag from another control is over this one, which takes the drop.
  bool isDropOutlined() const { return dropOutlined_; }

 Q_SIGNALS:
  // A press that neither starts nor ends a drag: another button, or a control not draggable.
  void pressed(Qt::MouseButton button);
  void dragStarted();
  // The target is null when the drag was released elsewhere or cancelled.
  void dragEnded(tintara::ShapeControl* target);
  // The mouse came to rest over the control, or left it.
  void hovered(bool over);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ShapeControl* dropTargetAt(QPoint position) const;
  void showWhetherAccepted(QPoint position);
  void endDrag(ShapeControl* target);
  void outlineDropTarget(ShapeControl* target);

  int number_;
  QColor fill_ = Qt::white;
  Figure figure_ = Figure::Rectangle;
  bool draggable_ = false;
  bool dropTarget_ = false;
  bool dragging_ = false;
  bool focusMark_ = false;
  bool lockMark_ = false;
  bool dropOutlined_ = false;
  QPointer<ShapeControl> outlined_;  // the drop target this drag outlines
};

}  // namespace tintara
