#include "paint/readability_fixes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "paint/nearest_code.h"
#include "paint/oklab.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

// Two blues that tritanopia does not tell apart, in slots 2 and 4 of Bottom, beside a dark magenta
// in slot 1 that some of the nearest codes to slot 4's blue look like, and, nearer still, codes
// within 0.08 of slot 2's blue; the group's other slots black.
constexpr Colour kMagenta = ReferenceColour(113);
constexpr Colour kBlue = ReferenceColour(5);
constexpr Colour kOtherBlue = ReferenceColour(168);

TEST(FixSuggestions, AreTheNearestCodesThatMakeThePairReadableAndMarkNoOther) {
  SlotColours colours{};
  colours[0] = kMagenta;
  colours[1] = kBlue;
  colours[3] = kOtherBlue;
  ShownSlots shown{};
  std::fill(shown.begin(), shown.begin() + 5, true);
  const std::vector<ReadabilityPair> pairs = UnreadablePairs(colours, shown);
  ASSERT_EQ(pairs.size(), 1u);
  ASSERT_EQ(pairs[0].second, 4);

  // Every code, nearest to slot 4's blue first, kept when slot 4 with it is told apart from slot 2
  // and no pair of the picture is marked.
  std::vector<std::int32_t> codes(kLastBoardCode - kFirstBoardCode + 1);
  std::iota(codes.begin(), codes.end(), kFirstBoardCode);
  const auto away = [](std::int32_t code) {
    return OklabDistance(OklabOf(kOtherBlue), OklabOf(ReferenceColour(code)));
  };
  std::stable_sort(codes.begin(), codes.end(),
                   [&](std::int32_t a, std::int32_t b) { return away(a) < away(b); });
  std::vector<std::int32_t> passing;
  for (const std::int32_t code : codes) {
    SlotColours fixed = colours;
    fixed[3] = ReferenceColour(code);
    if (UnreadablePairs(fixed, shown).empty() &&
        OklabDistance(OklabOf(kBlue), OklabOf(fixed[3])) >= kToldApartDistance) {
      passing.push_back(code);
    }
  }
  ASSERT_GE(passing.size(), kMostFixSuggestions);
  passing.resize(kMostFixSuggestions);
  EXPECT_EQ(FixSuggestions(colours, shown, pairs[0], 4), passing);
}

// Top painted with an imported palette's codes: slots 12 and 15 look alike, and codes near slot
// 15's colour are those of slots 11 and 14, which normal vision tells apart from it.
TEST(FixSuggestions, NeverGiveTheColourOfAnotherSlotToldApartFromIt) {
  SlotColours colours{};
  ShownSlots shown{};
  const std::int32_t top[] = {130, 190, 133, 123, 124};
  for (std::size_t i = 0; i < std::size(top); ++i) {
    colours[10 + i] = ReferenceColour(top[i]);
    shown[10 + i] = true;
  }
  const std::vector<ReadabilityPair> pairs = UnreadablePairs(colours, shown);
  const auto pair = std::find_if(pairs.begin(), pairs.end(), [](const ReadabilityPair& p) {
    return p.first == 12 && p.second == 15;
  });
  ASSERT_NE(pair, pairs.end());
  const std::vector<std::int32_t> suggestions = FixSuggestions(colours, shown, *pair, 15);
  ASSERT_FALSE(suggestions.empty());
  const auto apart = [](Colour a, Colour b) { return OklabDistance(OklabOf(a), OklabOf(b)); };
  for (const std::size_t other : {10u, 12u, 13u}) {
    ASSERT_GE(apart(colours[other], colours[14]), kToldApartDistance);
    for (const std::int32_t code : suggestions) {
      EXPECT_GE(apart(colours[other], ReferenceColour(code)), kToldApartDistance) << code;
    }
  }
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
