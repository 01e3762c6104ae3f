#pragma once

#include "board/overlay_label.h"

namespace tintara {

// A small label over the top of the view it is given, showing for as long as it has text: what
// the picture shows besides the picture itself, such as the colour-vision view in use.
class PictureBadge : public OverlayLabel {
  Q_OBJECT

 public:
  explicit PictureBadge(QWidget* over);

  // Shows the text, or hides the badge for an empty one.
  void show(const QString& text);

 protected:
  QRect placeOver(const QRect& view) override;
};

}  // namespace tintara
