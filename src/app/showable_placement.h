#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>

namespace tintara {

// A screen as a window sees it: all of it, and the part left to windows by panels and docks.
struct ScreenArea {
  QRect geometry;
  QRect available;
};

// The bounds to show a window at whose stored corner and size may have been edited by hand or
// left by another desktop. The size is kept between `smallest` and the available area of the
// screen the stored window lies on most (the primary one when it lies on none); a window that
// would then lie on no screen at all is centred on the primary screen's available area, keeping
// its size as far as that area allows. A window whose title bar (its top 30 pixels) would not lie
// on a screen with all its height and at least 100 pixels of its width is moved, keeping its
// size, just far enough that it does, so that it can always be grabbed and moved. Everything else
// is kept as stored: a window partly off the screen stays there.
// `screens` starts with the primary screen, as QGuiApplication::screens() does; without any, only
// the smallest size applies.
QRect ShowablePlacement(QPoint corner, QSize size, QSize smallest,
                        std::span<const ScreenArea> screens);

// The bounds to show a window at on its first start, before anything was stored: its design
// corner and size where the whole window, with the desktop's `frame` around it (its size beyond the
// window's own), lies on the available area of a screen. Elsewhere, as for stored bounds, its size
// is kept within the available area of the screen it lies on most (the primary one when it lies on
// none), and it moves just far enough to lie there whole, so that nothing of a window the user has
// not placed starts off the screen. Without screens, only the smallest size applies.
QRect FirstPlacement(QPoint corner, QSize size, QSize frame, QSize smallest,
                     std::span<const ScreenArea> screens);

}  // namespace tintara
