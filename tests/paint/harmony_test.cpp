#include "paint/harmony.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "paint/oklab.h"
#include "paint/reference_palette.h"
#include "paint/skin_tones.h"

namespace tintara {
namespace {

constexpr Harmony kHarmonyModes[] = {Harmony::Analogous, Harmony::Complementary, Harmony::Triad,
                                     Harmony::Tones};

double Lightness(std::int32_t code) { return OklabOf(ReferenceColour(code)).l; }

// Every slot rolled, each marked with the grey of its place in `shades` (0 darkest).
HarmonySlots RolledWithShades(const std::array<int, kSlotCount>& shades) {
  HarmonySlots slots{};
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const auto grey = static_cast<std::uint8_t>(30 + 40 * shades[i]);
    slots[i] = {true, 0, MakeColour(grey, grey, grey)};
  }
  return slots;
}

TEST(SkinTones, AreTheDrawnCodesWithinTheStatedBounds) {
  std::vector<std::int32_t> byTheBounds;
  for (std::int32_t code = kFirstDrawnCode; code <= kLastDrawnCode; ++code) {
    const Oklch lch = OklchOf(OklabOf(ReferenceColour(code)));
    if (lch.hue >= kSkinToneLeastHue && lch.hue <= kSkinToneMostHue &&
        lch.chroma >= kSkinToneLeastChroma && lch.chroma <= kSkinToneMostChroma &&
        lch.l >= kSkinToneLeastLightness && lch.l <= kSkinToneMostLightness) {
      byTheBounds.push_back(code);
    }
  }
  EXPECT_THAT(kSkinTones, ::testing::ElementsAreArray(byTheBounds));
}

TEST(HarmonyCodes, AreDrawableCodesDistinctInTheirGroupWithSkinTonesUnlessAnyColour) {
  const HarmonySlots slots = RolledWithShades({0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0});
  int skinOutsideTones = 0;
  for (const Harmony harmony : kHarmonyModes) {
    for (const bool anyColourForSkin : {false, true}) {
      for (std::uint32_t seed = 0; seed < 100; ++seed) {
        SCOPED_TRACE(testing::Message() << int(harmony) << " " << anyColourForSkin << " " << seed);
        RandomGenerator random(seed);
        const auto codes = HarmonyCodes(slots, {harmony, anyColourForSkin}, random);
        for (int group = 1; group <= kGroupCount; ++group) {
          std::set<std::int32_t> distinct;
          for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
            const std::int32_t code = codes[s - 1];
            ASSERT_GE(code, kFirstDrawnCode);
            ASSERT_LE(code, kLastDrawnCode);
            distinct.insert(code);
            const bool tone =
                std::find(kSkinTones.begin(), kSkinTones.end(), code) != kSkinTones.end();
            ASSERT_TRUE(tone || group != 2 || anyColourForSkin) << code;
            skinOutsideTones += group == 2 && !tone;
          }
          EXPECT_EQ(distinct.size(),
                    std::size_t(LastSlotOfGroup(group) - FirstSlotOfGroup(group) + 1));
        }
      }
    }
  }
  EXPECT_GT(skinOutsideTones, 0);
}

TEST(HarmonyCodes, FollowTheLightnessOrderOfTheMarkersInEachGroup) {
  const std::array<int, kSlotCount> shades = {3, 0, 4, 1, 2, 4, 3, 2, 1, 0, 2, 4, 0, 3, 1, 0};
  const HarmonySlots slots = RolledWithShades(shades);
  for (const Harmony harmony : kHarmonyModes) {
    for (std::uint32_t seed = 0; seed < 100; ++seed) {
      SCOPED_TRACE(testing::Message() << int(harmony) << " " << seed);
      RandomGenerator random(seed);
      const auto codes = HarmonyCodes(slots, {harmony, false}, random);
      for (int group = 1; group < kGroupCount; ++group) {
        std::vector<int> byShade(5);
        for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
          byShade[shades[s - 1]] = s;
        }
        for (std::size_t k = 1; k < byShade.size(); ++k) {
          ASSERT_LE(Lightness(codes[byShade[k - 1] - 1]), Lightness(codes[byShade[k] - 1]))
              << "slots " << byShade[k - 1] << " and " << byShade[k];
        }
      }
    }
  }
}

TEST(HarmonyCodes, LeaveTheSlotsNotRolledAndGiveTheirNeighboursOtherCodes) {
  HarmonySlots slots = RolledWithShades({0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0});
  for (const Harmony harmony : kHarmonyModes) {
    SCOPED_TRACE(int(harmony));
    RandomGenerator first(99);
    const auto unlocked = HarmonyCodes(slots, {harmony, false}, first);
    // Slot 3 kept with the code its neighbour slot 4 would take.
    HarmonySlots locked = slots;
    locked[2] = {false, unlocked[3], locked[2].marker};
    RandomGenerator second(99);
    const auto codes = HarmonyCodes(locked, {harmony, false}, second);
    EXPECT_EQ(codes[2], unlocked[3]);
    for (int s : {1, 2, 4, 5}) EXPECT_NE(codes[s - 1], unlocked[3]) << s;
  }
}

}  // namespace
}  // namespace tintara
