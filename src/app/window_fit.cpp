#include "app/window_fit.h"

#include <algorithm>

namespace tintara {

namespace {

QSize Margins(QPoint viewCorner) { return {viewCorner.x() + 20, viewCorner.y() + 60}; }

}  // namespace

QSize LargestView(QPoint viewCorner, QSize available) {
  return (available - Margins(viewCorner)).expandedTo({1, 1});
}

WindowFit FitWindow(QSize picture, QPoint viewCorner, QSize base, QSize available, int scrollBar) {
  const QSize margins = Margins(viewCorner);
  const QSize largestView = LargestView(viewCorner, available);
  QSize view = picture.boundedTo(largestView);
  // A scroll bar along one side takes room from the other way.
  const bool scrollsAcross = view.width() < picture.width();
  const bool scrollsDown = view.height() < picture.height();
  if (scrollsDown) view.setWidth(std::min(view.width() + scrollBar, largestView.width()));
  if (scrollsAcross) view.setHeight(std::min(view.height() + scrollBar, largestView.height()));
  const QSize window = (view + margins).expandedTo(base).boundedTo(available);
  return {view, window};
}

}  // namespace tintara
