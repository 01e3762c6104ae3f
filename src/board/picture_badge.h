#pragma once

#include <QLabel>

namespace tintara {

// A small label over the top of the view it is given, showing for as long as it has text: what
// the picture shows besides the picture itself, such as the colour-vision view in use. Nothing
// else moves or changes size for it.
class PictureBadge : public QLabel {
  Q_OBJECT

 public:
  explicit PictureBadge(QWidget* over);

  // Shows the text, or hides the badge for an empty one.
  void show(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  QWidget* over_;
};

}  // namespace tintara
