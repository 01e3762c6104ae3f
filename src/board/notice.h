#pragma once

#include <QTimer>

#include "board/overlay_label.h"

namespace tintara {

// A short word to the user that needs no answer: a save done, or a failure that lost nothing. It
// lies over the bottom of the view it is given, so that nothing else moves or changes size, and
// reaches left beyond a narrow view, over its neighbours, to stay readable. It goes away by itself
// after a few seconds, or at a click. Screen readers see it as an alert named
// by its text, announced when it appears.
class Notice : public OverlayLabel {
  Q_OBJECT

 public:
  explicit Notice(QWidget* over);

  // Shows the text, in place of any notice still showing, for a time that grows with its length.
  void tell(const QString& text);

 protected:
  QRect placeOver(const QRect& view) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTimer timer_;
};

}  // namespace tintara
