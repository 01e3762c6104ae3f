#include "app/window_fit.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

constexpr QPoint kCorner(384, 8);
constexpr QSize kBase(485, 397);
constexpr QSize kScreen(1280, 1000);

TEST(FitWindow, APictureThatFitsIsShownWholeAboveTheBaseSize) {
  EXPECT_EQ(FitWindow({55, 144}, kCorner, kBase, kScreen, 15).view, QSize(55, 144));
  EXPECT_EQ(FitWindow({55, 144}, kCorner, kBase, kScreen, 15).window, kBase);
  EXPECT_EQ(FitWindow({220, 576}, kCorner, kBase, kScreen, 15).window, QSize(624, 644));
}

TEST(FitWindow, APictureLargerThanTheScreenScrollsInAWindowThatStaysOnIt) {
  // 440 x 1152 is taller than the screen leaves: the window stops at the screen, the view keeps
  // room for the scroll bar down its side.
  const WindowFit tall = FitWindow({440, 1152}, kCorner, kBase, kScreen, 15);
  EXPECT_EQ(tall.window, QSize(384 + 455 + 20, 1000));
  EXPECT_EQ(tall.view, QSize(455, 1000 - 68));
  // At 4x it is too wide as well.
  const WindowFit both = FitWindow({1760, 4608}, kCorner, kBase, kScreen, 15);
  EXPECT_EQ(both.window, kScreen);
  EXPECT_EQ(both.view, QSize(1280 - 404, 1000 - 68));
}

}  // namespace
}  // namespace tintara
