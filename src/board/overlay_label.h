#pragma once

#include <QLabel>
#include <vector>

#include "board/overlay_place.h"

class QScrollArea;

namespace tintara {

// A label in tooltip colours laid over the window beside a picture in a scroll area, as a child of
// the scroll area's parent, so that nothing moves or changes size for it. It lies in free space,
// covering neither the picture's pixels nor a control, nearest to where it belongs; only where the
// window leaves no room for it does it cover a control, never the picture while a control will
// do. It follows the picture area and the window as they move or change size.
class OverlayLabel : public QLabel {
  Q_OBJECT

 public:
  explicit OverlayLabel(QScrollArea* over);

 protected:
  // The sizes the label may take, the most readable first.
  virtual std::vector<QSize> sizes() const = 0;
  // Where it belongs, given the picture area's geometry in the parent.
  virtual QPoint near(const QRect& pictureArea) const = 0;
  void place();
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<CoveredPart> coveredParts() const;

  QScrollArea* over_;
};

}  // namespace tintara
