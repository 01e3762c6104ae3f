#include "paint/painting.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "paint/test_pictures.h"

namespace tintara {
namespace {

// A message shows a bad token cut short and escaped: a huge or hostile token cannot flood it.
TEST(PaintedWithCodes, ABadTokenIsToldCutShortAndEscaped) {
  const Document loaded = LoadedDocument(IndexedBitmap(4, 4, TableWithSet1Markers({1})));
  const Expected<Document> painted =
      PaintedWithCodes(loaded, "1 \x1B" + std::string(100000, 'x') + " 3");
  ASSERT_FALSE(painted);
  EXPECT_EQ(painted.problem().message,
            "'\\x1B" + std::string(39, 'x') + "\u2026' is not a valid integer value");
}

constexpr Harmony kEveryMode[] = {Harmony::Free, Harmony::Analogous, Harmony::Complementary,
                                  Harmony::Triad, Harmony::Tones};
constexpr GroupChecks kAllGroups = {true, true, true, true};

Document LoadedBody() {
  return LoadedDocument(IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16))));
}

std::vector<std::int32_t> Rolled(Document document, std::uint32_t seed, Harmony harmony) {
  RandomGenerator random(seed);
  RollRandomCodes(document, kAllGroups, random, {harmony, false});
  std::vector<std::int32_t> codes;
  for (int s = 1; s <= kSlotCount; ++s) codes.push_back(Slot(document, s).code);
  return codes;
}

TEST(RollRandomCodes, EveryModeLeavesTheLockedSlotsAsLoaded) {
  Document loaded = LoadedBody();
  const std::vector<int> locked = {2, 6, 7, 13, 16};
  for (const int s : locked) loaded.locks[s - 1] = true;
  for (const Harmony harmony : kEveryMode) {
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
      const std::vector<std::int32_t> codes = Rolled(loaded, seed, harmony);
      for (const int s : locked) {
        ASSERT_EQ(codes[s - 1], Slot(loaded, s).code) << int(harmony) << " slot " << s;
      }
    }
  }
}

TEST(RollRandomCodes, AGeneratorStateRollsTheSameCodesAgainAndFreeDrawsAsEver) {
  const Document loaded = LoadedBody();
  for (const Harmony harmony : kEveryMode) {
    SCOPED_TRACE(int(harmony));
    RandomGenerator session(2024);
    session.Next(1000);  // a session's generator, some rolls on
    const std::uint32_t seed = session.State();
    const std::vector<std::int32_t> codes = Rolled(loaded, seed, harmony);
    EXPECT_EQ(Rolled(loaded, seed, harmony), codes);
    EXPECT_NE(Rolled(loaded, seed + 1, harmony), codes);
    if (harmony == Harmony::Free) {
      for (int s = 1; s <= kSlotCount; ++s) EXPECT_EQ(codes[s - 1], DrawCode(session)) << s;
    }
  }
}

// A palette's codes bound every mode's draws, the skin group's too.
TEST(RollRandomCodes, DrawsOnlyAmongThePalettesCodes) {
  const std::vector<std::int32_t> palette = {5, 60, 120, 200};  // 60 is a skin tone
  const RandomCodeSettings settings{.drawFrom = DrawingCodesNamed("Sunset", palette)};
  for (const Harmony harmony : kEveryMode) {
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
      Document document = LoadedBody();
      RandomGenerator random(seed);
      RandomCodeSettings mode = settings;
      mode.harmony = harmony;
      RollRandomCodes(document, kAllGroups, random, mode);
      for (int s = 1; s <= kSlotCount; ++s) {
        ASSERT_NE(std::find(palette.begin(), palette.end(), Slot(document, s).code), palette.end())
            << int(harmony) << " seed " << seed << " slot " << s;
      }
    }
  }
}

}  // namespace
}  // namespace tintara
