#include "app/showable_placement.h"

#include <algorithm>
#include <cstdint>

namespace tintara {
namespace {

// Far beyond any desktop. Corners and sizes are held within it before they are added up, so the
// arithmetic of the rectangles stays within int whatever a file holds; a window that far away
// lies on no screen either way.
constexpr int kFarthest = 1 << 24;

std::int64_t Area(const QRect& rect) {
  return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height();
}

const ScreenArea& ScreenLyingMostUnder(const QRect& window, std::span<const ScreenArea> screens) {
  const ScreenArea* most = &screens.front();
  std::int64_t mostArea = 0;
  for (const ScreenArea& screen : screens) {
    const std::int64_t area = Area(window & screen.geometry);
    if (area > mostArea) {
      most = &screen;
      mostArea = area;
    }
  }
  return *most;
}

// A window is grabbed and moved by its title bar: at least this much of it must lie on a screen,
// all of its height.
constexpr int kTitleBarHeight = 30;
constexpr int kGrabbableWidth = 100;

bool Grabbable(const QRect& window, std::span<const ScreenArea> screens) {
  const QRect bar(window.topLeft(), QSize(window.width(), kTitleBarHeight));
  return std::any_of(screens.begin(), screens.end(), [&](const ScreenArea& screen) {
    const QRect shown = bar & screen.available;
    return shown.height() == bar.height() &&
           shown.width() >= std::min(kGrabbableWidth, bar.width());
  });
}

// The window moved, keeping its size, as little as brings its title bar onto the area.
QRect Grabbable(QRect window, const QRect& area) {
  const int width = std::min(kGrabbableWidth, window.width());
  window.moveLeft(
      std::clamp(window.left(), area.left() - window.width() + width, area.right() + 1 - width));
  window.moveTop(std::clamp(window.top(), area.top(), area.bottom() + 1 - kTitleBarHeight));
  return window;
}

// On a screen too small for the window the smallest size still wins: less would not show.
QSize Largest(const ScreenArea& screen, QSize smallest) {
  return screen.available.size().expandedTo(smallest);
}

}  // namespace

QRect ShowablePlacement(QPoint corner, QSize size, QSize smallest,
                        std::span<const ScreenArea> screens) {
  const QPoint place(std::clamp(corner.x(), -kFarthest, kFarthest),
                     std::clamp(corner.y(), -kFarthest, kFarthest));
  const QSize atLeastSmallest = size.expandedTo(smallest).boundedTo({kFarthest, kFarthest});
  if (screens.empty()) return {place, atLeastSmallest};

  const ScreenArea& home = ScreenLyingMostUnder({place, atLeastSmallest}, screens);
  QRect placed(place, atLeastSmallest.boundedTo(Largest(home, smallest)));
  const bool onAScreen = std::any_of(screens.begin(), screens.end(), [&](const ScreenArea& s) {
    return placed.intersects(s.geometry);
  });
  if (!onAScreen) {
    // A huge window far away may lie mostly on another screen than the primary one it goes to.
    const ScreenArea& primary = screens.front();
    placed.setSize(placed.size().boundedTo(Largest(primary, smallest)));
    placed.moveCenter(primary.available.center());
  }
  if (!Grabbable(placed, screens)) {
    placed = Grabbable(placed, ScreenLyingMostUnder(placed, screens).available);
  }
  return placed;
}

QRect FirstPlacement(QPoint corner, QSize size, QSize frame, QSize smallest,
                     std::span<const ScreenArea> screens) {
  const QSize atLeastSmallest = size.expandedTo(smallest);
  if (screens.empty()) return {corner, atLeastSmallest};
  const QRect outer(corner, atLeastSmallest + frame);
  if (std::any_of(screens.begin(), screens.end(),
                  [&](const ScreenArea& screen) { return screen.available.contains(outer); })) {
    return {corner, atLeastSmallest};
  }
  const QRect area = ScreenLyingMostUnder(outer, screens).available;
  const QSize fitted = atLeastSmallest.boundedTo(area.size() - frame).expandedTo(smallest);
  const QSize outerSize = fitted + frame;
  const QPoint placed(std::clamp(corner.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - outerSize.width())),
                      std::clamp(corner.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - outerSize.height())));
  return {placed, fitted};
}

}  // namespace tintara
