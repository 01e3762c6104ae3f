#pragma once

#include <QPoint>
#include <QScrollArea>

namespace tintara {

class PictureView;

// The picture view in a frameless scroll area: when the picture at its zoom is larger than the
// space it is given, scroll bars, the mouse wheel and dragging with the middle button reach the
// rest. The keyboard's mark lies around it, never over the picture (FocusRing).
class PictureScroller : public QScrollArea {
  Q_OBJECT

 public:
  PictureScroller(PictureView* view, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPoint dragFrom_;
  bool dragging_ = false;
};

}  // namespace tintara
