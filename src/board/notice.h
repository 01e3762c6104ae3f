#pragma once

#include <QTimer>

#include "board/overlay_label.h"

namespace tintara {

// A short word to the user that needs no answer: a save done, or a failure that lost nothing. It
// lies in free space under the picture area, or wherever the window has room for it, so that
// nothing moves or changes size. It goes away by itself after a few seconds, or at a click.
// Screen readers see it as an alert named by its text, announced when it appears.
class Notice : public OverlayLabel {
  Q_OBJECT

 public:
  explicit Notice(QScrollArea* over);

  // Shows the text, in place of any notice still showing, for a time that grows with its length.
  void tell(const QString& text);

 protected:
  std::vector<QSize> sizes() const override;
  QPoint near(const QRect& pictureArea) const override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTimer timer_;
};

}  // namespace tintara
