#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace tintara {

// How large the window and the view of the picture are made to show a picture: the picture view's
// corner stays where it is, the window keeps a margin of 20 pixels to the right of the view and 60
// below it, and is never smaller than `base`. Where that would not fit in `available`, the space
// the screen leaves the window, the window stops there and the view shows what fits, with room
// for the scroll bars (each `scrollBar` thick) that then reach the rest.
struct WindowFit {
  QSize view;
  QSize window;
};

WindowFit FitWindow(QSize picture, QPoint viewCorner, QSize base, QSize available, int scrollBar);

// The largest view of the picture that the window's margins leave in `available`.
QSize LargestView(QPoint viewCorner, QSize available);

// The largest whole zoom that shows the picture whole in `space`; 0 when none does.
int WholeZoomWithin(QSize picture, QSize space);

// The space from the window's corner to the far corner of its screen's area, the desktop's
// `frame` taken off, so that the window fitted into it stays on the screen where it stands.
QSize SpaceOnScreen(const QWidget& window, QSize frame);

}  // namespace tintara
