#include "app/window_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/stored_placement_window.h"

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

int WholeZoomWithin(QSize picture, QSize space) {
  const QSize shown = picture.expandedTo({1, 1});
  return std::min(space.width() / shown.width(), space.height() / shown.height());
}

QSize SpaceOnScreen(const QWidget& window, QSize frame) {
  const QScreen* on = window.screen();
  if (on == nullptr) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const QRect area = on->availableGeometry();
  const QPoint corner = WindowPositionsAreKnown() ? window.pos() : area.topLeft();
  const QSize space(area.right() + 1 - std::max(corner.x(), area.left()),
                    area.bottom() + 1 - std::max(corner.y(), area.top()));
  return space - frame;
}

}  // namespace tintara
