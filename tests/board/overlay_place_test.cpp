#include "board/overlay_place.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

constexpr int kGap = 4;

// A picture in the top left corner, a control down the right side: room below the picture.
TEST(PlaceOverlay, TakesTheFreeSpaceNearestThePoint) {
  const std::vector<CoveredPart> parts{{{0, 0, 50, 50}, 1000}, {{60, 0, 40, 100}, 1}};
  const OverlayPlace place = PlaceOverlay({30, 20}, {0, 0, 100, 100}, parts, {0, 50}, kGap);
  EXPECT_EQ(place.cost, 0);
  EXPECT_EQ(place.rect, QRect(0, 50 + kGap, 30, 20));
  for (const CoveredPart& part : parts) {
    EXPECT_FALSE(place.rect.intersects(part.rect.adjusted(-kGap, -kGap, kGap, kGap)));
  }
}

// With no free space, a control is covered rather than the picture.
TEST(PlaceOverlay, CoversAControlRatherThanThePictureWhereNothingIsFree) {
  const QRect picture(0, 0, 100, 50);
  const std::vector<CoveredPart> parts{{picture, 1000}, {{0, 50, 100, 50}, 1}};
  const OverlayPlace place = PlaceOverlay({40, 20}, {0, 0, 100, 100}, parts, {0, 0}, kGap);
  EXPECT_GT(place.cost, 0);
  EXPECT_FALSE(place.rect.intersects(picture));
  EXPECT_EQ(place.rect.size(), QSize(40, 20));
}

}  // namespace
}  // namespace tintara
