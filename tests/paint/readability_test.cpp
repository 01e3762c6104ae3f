#include "paint/readability.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

// A brown and a green that normal vision tells apart and red-green deficiencies do not.
constexpr Colour kBrown = MakeColour(120, 80, 0);
constexpr Colour kGreen = MakeColour(0, 100, 0);

ShownSlots AllShown() {
  ShownSlots shown;
  shown.fill(true);
  return shown;
}

TEST(UnreadablePairs, FlagsARedGreenPairOfOneGroupUnderProtanopiaAndDeuteranopia) {
  SlotColours colours{};  // the other slots all black: alike in every view, so never a pair
  colours[1] = kBrown;
  colours[3] = kGreen;
  const std::vector<ReadabilityPair> expected = {
      {1, 2, 4, {Vision::Protanopia, Vision::Deuteranopia}}};
  EXPECT_EQ(UnreadablePairs(colours, AllShown()), expected);
}

TEST(UnreadablePairs, PassesPairsThatStayApartOrAreNotShownSideBySide) {
  SlotColours colours{};
  colours[0] = MakeColour(0, 0, 160);  // a blue and a yellow stay apart in every view
  colours[1] = MakeColour(240, 220, 0);
  colours[4] = kBrown;  // the last slot of group 1 and the first of group 2
  colours[5] = kGreen;
  colours[11] = kBrown;  // a pair of group 3, one of them not shown
  colours[12] = kGreen;
  ShownSlots shown = AllShown();
  shown[12] = false;
  EXPECT_TRUE(UnreadablePairs(colours, shown).empty());
}

TEST(ReadabilityText, NamesTheGroupTheSlotsAndEveryView) {
  EXPECT_EQ(ReadabilityText({3, 11, 14, {Vision::Deuteranopia}}),
            "Top: slots 11 and 14 look alike under deuteranopia");
  EXPECT_EQ(
      ReadabilityText({1, 2, 4, {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia}}),
      "Bottom: slots 2 and 4 look alike under protanopia, deuteranopia and tritanopia");
}

}  // namespace
}  // namespace tintara
