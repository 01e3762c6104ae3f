#pragma once

#include <QWidget>

class QScrollArea;

namespace tintara {

// The keyboard's mark for a picture in a scroll area: the dotted rectangle of DrawFocusMark,
// drawn around the part of the picture that shows, a pixel away from it, so that every pixel
// shown is the picture's own. It lies beside the scroll area, in its parent, and shows while the
// picture has the focus.
class FocusRing : public QWidget {
  Q_OBJECT

 public:
  explicit FocusRing(QScrollArea* scroller);

  static constexpr int kWidth = 2;  // the mark and the pixel between it and the picture

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void follow();

  QScrollArea* scroller_;
};

}  // namespace tintara
