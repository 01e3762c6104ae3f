#pragma once

#include "board/overlay_label.h"

namespace tintara {

// A small label beside the top of the picture area, showing for as long as it has text: what the
// picture shows besides the picture itself, such as the colour-vision view in use.
class PictureBadge : public OverlayLabel {
  Q_OBJECT

 public:
  explicit PictureBadge(QScrollArea* over);

  // Shows the text, or hides the badge for an empty one.
  void show(const QString& text);

 protected:
  std::vector<QSize> sizes() const override;
  QPoint near(const QRect& pictureArea) const override;
};

}  // namespace tintara
