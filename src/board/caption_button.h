#pragma once

#include <QLabel>

namespace tintara {

// A caption that acts when clicked, as the skin caption does. A left press and release inside it
// are a click; the second press of a double-click is no further click. Tab reaches it and Enter
// or Space click it then, while a dotted rectangle marks its text; a mouse click leaves the focus
// where it is. Screen readers see a button named by its text.
class CaptionButton : public QLabel {
  Q_OBJECT

 public:
  CaptionButton(const QString& text, QWidget* parent);

  void click() { Q_EMIT clicked(); }

 Q_SIGNALS:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace tintara
