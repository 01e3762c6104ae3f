// The enlarged view and fitting the window to it.
#include <QCheckBox>

#include "app/form1.h"
#include "board/image_view.h"

namespace tintara {

void TForm1::CheckBox1Click() {
  constexpr int kEnlargeFactor = 4;
  auto* view = control<ImageView>("Image1");
  auto* enlarge = control<QCheckBox>("CheckBox1");
  const bool enlarged = enlarge->isChecked();
  const int factor = enlarged ? kEnlargeFactor : 1;
  view->setStretch(enlarged);
  enlarge->setText(enlarged ? "Reduce " : "Enlarge ");
  view->resize(factor * view->picture().width(), factor * view->picture().height());
  FitWindow();
}

void TForm1::FitWindow() {
  const QRect view = control<ImageView>("Image1")->geometry();
  const int width = view.left() + view.width() + 20;
  const int height = view.top() + view.height() + 60;
  resize(std::max(width, baseSize_.width()), std::max(height, baseSize_.height()));
}

}  // namespace tintara
