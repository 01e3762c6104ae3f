#include "paint/slot_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "paint/reference_palette.h"

namespace tintara {
namespace {

TEST(ReferencePalette, EndsAreWhiteAndBlackAndCodeOneIsNearBlack) {
  EXPECT_EQ(ReferenceColour(0), 0xFFFFFFu);
  EXPECT_EQ(ReferenceColour(255), 0x000000u);
  EXPECT_EQ(ReferenceColour(1), 0x000007u);
}

TEST(ReferencePalette, OnlyCodes22And84ShareAColour) {
  for (int a = 0; a < 256; ++a) {
    for (int b = a + 1; b < 256; ++b) {
      const bool same = ReferenceColour(a) == ReferenceColour(b);
      EXPECT_EQ(same, a == 22 && b == 84) << a << " and " << b;
    }
  }
  EXPECT_EQ(ReferenceColour(22), 0x1777FFu);
}

TEST(SlotTables, Set2MarkersAreTheReferenceColoursOfCodes239To254) {
  for (int s = 0; s < kSlotCount; ++s) {
    SCOPED_TRACE(s + 1);
    const SlotDefinition& slot = kSlots[s];
    EXPECT_EQ(slot.set2Code, 239 + s);
    EXPECT_EQ(slot.set2Marker, ReferenceColour(slot.set2Code));
  }
}

TEST(SlotTables, FallbacksAreTheReferenceColoursOfTheSet1Codes) {
  for (const SlotDefinition& slot : kSlots) {
    EXPECT_EQ(slot.fallback, ReferenceColour(slot.set1Code));
  }
}

TEST(SlotTables, NoSet1MarkerIsAReferenceColour) {
  for (const SlotDefinition& slot : kSlots) {
    EXPECT_EQ(std::count(kReferencePalette.begin(), kReferencePalette.end(), slot.set1Marker), 0)
        << std::hex << slot.set1Marker;
  }
}

TEST(SlotTables, Set2SignatureIsTheReferenceColoursOfCodes249To253) {
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(kSet2Signature[i], ReferenceColour(kSet2SignatureFirstPosition + i));
  }
}

TEST(SlotTables, DefaultCodeStringListsTheSet1CodesInSlotOrder) {
  std::string expected;
  for (const SlotDefinition& slot : kSlots) {
    if (!expected.empty()) expected += ' ';
    expected += std::to_string(slot.set1Code);
  }
  EXPECT_EQ(kDefaultCodeString, expected);
}

TEST(SlotTables, GroupsCoverSlotsOneToSixteen) {
  for (int s = 1; s <= kSlotCount; ++s) {
    const int group = kSlots[s - 1].group;
    EXPECT_GE(s, FirstSlotOfGroup(group));
    EXPECT_LE(s, LastSlotOfGroup(group));
  }
}

}  // namespace
}  // namespace tintara
