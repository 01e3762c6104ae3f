#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Mouse input as the platform delivers it: to the top-level window, at the centre of a control,
// so that the control pressed keeps the mouse until the button goes up, as it does for a user.
namespace tintara {

inline QPoint CentreInWindow(const QWidget* control) {
  return control->mapTo(control->window(), control->rect().center());
}

inline void Press(const QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mousePress(control->window()->windowHandle(), button, {}, CentreInWindow(control));
}

inline void MoveOver(const QWidget* control) {
  QTest::mouseMove(control->window()->windowHandle(), CentreInWindow(control));
}

inline void Release(const QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseRelease(control->window()->windowHandle(), button, {}, CentreInWindow(control));
}

// Presses on the source, moves over the target and releases there. Both stand in one window.
inline void Drag(const QWidget* source, const QWidget* target) {
  Press(source);
  MoveOver(target);
  Release(target);
}

// Shows a top-level window and waits until it takes input; false when it never does.
[[nodiscard]] inline bool ShowForInput(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

}  // namespace tintara
