#include "paint/readability_fixes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "paint/oklab.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

// A brown and a green that normal vision tells apart and red-green deficiencies do not, in slots
// 2 and 4 of Bottom, the group's other slots black.
constexpr Colour kBrown = MakeColour(120, 80, 0);
constexpr Colour kGreen = MakeColour(0, 100, 0);

TEST(FixSuggestions, AreTheNearestCodesThatMakeThePairReadableAndMarkNoOther) {
  SlotColours colours{};
  colours[1] = kBrown;
  colours[3] = kGreen;
  ShownSlots shown{};
  std::fill(shown.begin(), shown.begin() + 5, true);
  const ReadabilityPair pair = UnreadablePairs(colours, shown).at(0);
  ASSERT_EQ(pair.second, 4);

  // Every code, nearest to the green first, kept when slot 4 with it is told apart from slot 2
  // and no pair of the picture is marked.
  std::vector<std::int32_t> codes(256);
  std::iota(codes.begin(), codes.end(), 0);
  const auto away = [](std::int32_t code) {
    return OklabDistance(OklabOf(kGreen), OklabOf(ReferenceColour(code)));
  };
  std::stable_sort(codes.begin(), codes.end(),
                   [&](std::int32_t a, std::int32_t b) { return away(a) < away(b); });
  std::vector<std::int32_t> passing;
  for (const std::int32_t code : codes) {
    SlotColours fixed = colours;
    fixed[3] = ReferenceColour(code);
    if (UnreadablePairs(fixed, shown).empty() &&
        OklabDistance(OklabOf(kBrown), OklabOf(fixed[3])) >= kToldApartDistance) {
      passing.push_back(code);
    }
  }
  ASSERT_GE(passing.size(), kMostFixSuggestions);
  passing.resize(kMostFixSuggestions);
  EXPECT_EQ(FixSuggestions(colours, shown, pair, 4), passing);
}

TEST(SlotToFix, IsTheLaterSlotUnlessItIsLocked) {
  const ReadabilityPair pair{1, 2, 4, {Vision::Deuteranopia}};
  SlotLocks locks{};
  EXPECT_EQ(SlotToFix(pair, locks), 4);
  locks[3] = true;
  EXPECT_EQ(SlotToFix(pair, locks), 2);
  locks[1] = true;
  EXPECT_EQ(SlotToFix(pair, locks), std::nullopt);
}

}  // namespace
}  // namespace tintara
