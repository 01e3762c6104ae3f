#include "paint/group_shading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "paint/commands.h"
#include "paint/oklab.h"
#include "paint/painting.h"
#include "paint/reference_palette.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

constexpr int kTop = 3;
// A green of middling lightness for slot 13, the middle of Top, and a red for the other slots.
constexpr std::int32_t kKeyCode = 217;
constexpr char kCodes[] = "0 0 0 0 0 0 0 0 0 0 5 5 217 5 5 ";

Document PaintedBody() {
  Document document = LoadedDocument(IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16))));
  EXPECT_TRUE(ApplyCodeText(document, kCodes).applied);
  return document;
}

Oklch LchOfSlot(const Document& document, int slot) {
  return OklchOf(OklabOf(ReferenceColour(Slot(document, slot).code)));
}

TEST(ShadeGroup, GivesTheGroupARampOfTheKeysHueInTheOrderOfItsMarkersLightness) {
  Document document = PaintedBody();
  ASSERT_EQ(ShadeGroup(document, 13, {}), std::nullopt);
  std::vector<int> byMarker;
  for (int s = FirstSlotOfGroup(kTop); s <= LastSlotOfGroup(kTop); ++s) byMarker.push_back(s);
  std::stable_sort(byMarker.begin(), byMarker.end(), [&](int a, int b) {
    return OklabOf(SlotMarker(document, a)).l < OklabOf(SlotMarker(document, b)).l;
  });
  const Oklch key = OklchOf(OklabOf(ReferenceColour(kKeyCode)));
  EXPECT_EQ(Slot(document, 13).code, kKeyCode);
  for (std::size_t k = 0; k < byMarker.size(); ++k) {
    SCOPED_TRACE(byMarker[k]);
    const Oklch shade = LchOfSlot(document, byMarker[k]);
    // Within an eighth of the circle either way: a green ramp stays green.
    EXPECT_LT(std::fabs(std::remainder(shade.hue - key.hue, 360.0)), 45);
    if (k > 0) {
      EXPECT_GT(shade.l, LchOfSlot(document, byMarker[k - 1]).l);
    }
  }
}

// Whatever the key, the shades are codes a user could drag from the board: never white and never
// a marker colour, even where those lie nearer the ramp's ends.
TEST(ShadeGroup, TakesOnlyBoardCodes) {
  for (std::int32_t key = 0; key <= 255; ++key) {
    Document document =
        LoadedDocument(IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16))));
    ASSERT_TRUE(
        ApplyCodeText(document, "0 0 0 0 0 0 0 0 0 0 5 5 " + std::to_string(key) + " ").applied);
    ASSERT_EQ(ShadeGroup(document, 13, {}), std::nullopt);
    for (int s = FirstSlotOfGroup(kTop); s <= LastSlotOfGroup(kTop); ++s) {
      if (s == 13) continue;
      const std::int32_t code = Slot(document, s).code;
      ASSERT_TRUE(code >= 1 && code <= 238) << "key " << key << " slot " << s << " code " << code;
    }
  }
}

TEST(ShadeGroup, LeavesLockedSlotsAsTheyAre) {
  Document document = PaintedBody();
  document.locks[11] = true;  // slots 12 and 15
  document.locks[14] = true;
  ASSERT_EQ(ShadeGroup(document, 13, {}), std::nullopt);
  EXPECT_EQ(Slot(document, 12).code, 5);
  EXPECT_EQ(Slot(document, 15).code, 5);
  EXPECT_NE(Slot(document, 14).code, 5);
}

TEST(ShadeGroup, IsRefusedForAGroupOfOneShownSlot) {
  Document document = PaintedBody();
  const Document before = document;
  EXPECT_FALSE(commands::ShadeGroupFromSlot(16, {}).enabled(document));
  EXPECT_TRUE(ShadeGroup(document, 16, {}).has_value());
  EXPECT_EQ(document, before);
}

}  // namespace
}  // namespace tintara
