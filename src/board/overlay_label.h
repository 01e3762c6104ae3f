#pragma once

#include <QLabel>

namespace tintara {

// A label that lies over part of a view, in tooltip colours, as a child of the view's parent so
// that nothing moves or changes size for it. It follows the view as it moves or is resized.
class OverlayLabel : public QLabel {
  Q_OBJECT

 public:
  explicit OverlayLabel(QWidget* over);

 protected:
  // Where the label lies, given the view's geometry in the parent.
  virtual QRect placeOver(const QRect& view) = 0;
  void place();
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* over_;
};

}  // namespace tintara
