#include "app/showable_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace tintara {
namespace {

constexpr QSize kSmallest(120, 80);

// A primary screen with a panel along its top, and a larger screen to its left whose bottom
// reaches below the primary one.
const std::vector<ScreenArea> kScreens = {
    {{0, 0, 1000, 800}, {0, 30, 1000, 770}},
    {{-1600, 0, 1600, 1200}, {-1600, 0, 1600, 1160}},
};

struct Case {
  const char* what;
  QRect stored;
  QRect expected;
};

QRect Placed(const QRect& stored) {
  return ShowablePlacement(stored.topLeft(), stored.size(), kSmallest, kScreens);
}

void ExpectPlacements(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Placed(c.stored), c.expected);
  }
}

// A window that cannot be shown where it was stored goes to the middle of the primary screen's
// available area, with its size kept within that area.
void ExpectCentredOnThePrimary(const QRect& placed, QSize size) {
  const QRect area = kScreens.front().available;
  EXPECT_EQ(placed.size(), size);
  EXPECT_TRUE(area.contains(placed));
  EXPECT_LE(std::abs((placed.left() - area.left()) - (area.right() - placed.right())), 1);
  EXPECT_LE(std::abs((placed.top() - area.top()) - (area.bottom() - placed.bottom())), 1);
}

TEST(ShowablePlacement, SensibleBoundsAreKeptExactly) {
  const std::initializer_list<Case> cases = {
      {"inside the primary screen", {193, 115, 485, 397}, {193, 115, 485, 397}},
      {"the smallest size", {193, 115, 120, 80}, {193, 115, 120, 80}},
      {"as large as the available area", {0, 30, 1000, 770}, {0, 30, 1000, 770}},
      {"partly off to the left", {-1800, 200, 485, 397}, {-1800, 200, 485, 397}},
      {"across both screens", {-200, 100, 485, 397}, {-200, 100, 485, 397}},
      {"a title bar's grip left on the primary", {900, 100, 485, 397}, {900, 100, 485, 397}},
  };
  ExpectPlacements(cases);
}

// Its size kept, it moves just far enough for its title bar to lie on the screen it lies on most.
TEST(ShowablePlacement, AWindowWhoseTitleBarCannotBeGrabbedMovesUntilItCan) {
  const std::initializer_list<Case> cases = {
      {"a corner left at the bottom right", {990, 790, 485, 397}, {900, 770, 485, 397}},
      {"the title bar above the screen", {100, -380, 485, 397}, {100, 30, 485, 397}},
      {"the title bar under the panel", {100, 10, 485, 397}, {100, 30, 485, 397}},
      {"off to the left of the left screen", {-2000, 100, 485, 397}, {-1985, 100, 485, 397}},
  };
  ExpectPlacements(cases);
}

TEST(ShowablePlacement, ASizeBelowTheSmallestIsRaisedToItInPlace) {
  ExpectPlacements({
      {"empty", {100, 100, 0, 0}, {100, 100, 120, 80}},
      {"negative", {100, 100, -5, -5}, {100, 100, 120, 80}},
      {"too narrow only", {100, 100, 0, 300}, {100, 100, 120, 300}},
      {"too low only", {100, 100, 300, -5}, {100, 100, 300, 80}},
  });
}

TEST(ShowablePlacement, ASizeBeyondTheScreenIsCutToTheAvailableAreaOfTheScreenItLiesOnMost) {
  ExpectPlacements({
      {"on the primary screen", {100, 100, 100000, 100000}, {100, 100, 1000, 770}},
      {"too wide only", {100, 100, 100000, 300}, {100, 100, 1000, 300}},
      {"on the second screen", {-1500, 100, 100000, 100000}, {-1500, 100, 1600, 1160}},
      {"starting on the second, mostly on the primary",
       {-100, 0, 1000, 1000},
       {-100, 0, 1000, 770}},
  });
  EXPECT_EQ(ShowablePlacement({100, 100}, {INT_MAX, INT_MAX}, kSmallest, kScreens),
            QRect(100, 100, 1000, 770))
      << "the largest integers";
}

TEST(ShowablePlacement, AWindowOnNoScreenIsCentredOnThePrimaryScreen) {
  const struct {
    const char* what;
    QRect stored;
    QSize size;
  } cases[] = {
      {"where a minimised window is", {-32000, -32000, 485, 397}, {485, 397}},
      {"above and right of the primary", {5000, -3000, 300, 250}, {300, 250}},
      {"just right of the primary", {1000, 100, 485, 397}, {485, 397}},
      {"below the primary, beside the second", {0, 800, 485, 397}, {485, 397}},
      {"empty and far away", {-32000, -32000, 0, -5}, kSmallest},
      {"far away, yet large enough to cover both", {-32000, -32000, 100000, 100000}, {1000, 770}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectCentredOnThePrimary(Placed(c.stored), c.size);
  }
  SCOPED_TRACE("at the largest integers");
  ExpectCentredOnThePrimary(ShowablePlacement({INT_MAX, INT_MAX}, {485, 397}, kSmallest, kScreens),
                            {485, 397});
}

TEST(ShowablePlacement, OnAScreenTooSmallForTheWindowTheSmallestSizeWins) {
  const ScreenArea tiny = {{0, 0, 100, 60}, {0, 0, 100, 60}};
  EXPECT_EQ(ShowablePlacement({0, 0}, {485, 397}, kSmallest, {&tiny, 1}), QRect(0, 0, 120, 80));
}

// Nothing of a window at the design bounds, its title bar's buttons and its lower edge included, is
// off a small screen at the first start: it keeps its size where the screen has room for it.
TEST(FirstPlacement, OnASmallScreenTheWholeWindowIsBroughtOntoIt) {
  constexpr QSize kDesignSize(485, 397);
  constexpr QSize kFrame(8, 34);  // borders and a title bar
  const auto expectWhole = [&](const char* what, const ScreenArea& screen, QSize size) {
    SCOPED_TRACE(what);
    const QRect placed = FirstPlacement({193, 115}, kDesignSize, kFrame, kSmallest, {&screen, 1});
    EXPECT_EQ(placed.size(), size);
    EXPECT_TRUE(screen.available.contains(QRect(placed.topLeft(), placed.size() + kFrame)));
  };
  expectWhole("640 x 480", {{0, 0, 640, 480}, {0, 0, 640, 480}}, kDesignSize);
  expectWhole("1280 x 1024 at twice the scale, a panel below", {{0, 0, 640, 512}, {0, 0, 640, 490}},
              kDesignSize);
  expectWhole("smaller than the window", {{0, 0, 400, 300}, {0, 0, 400, 300}},
              kDesignSize.boundedTo(QSize(400, 300) - kFrame));
}

TEST(ShowablePlacement, WithoutScreensOnlyTheSmallestSizeApplies) {
  EXPECT_EQ(ShowablePlacement({-32000, 5}, {0, 300}, kSmallest, {}), QRect(-32000, 5, 120, 300));
}

}  // namespace
}  // namespace tintara
