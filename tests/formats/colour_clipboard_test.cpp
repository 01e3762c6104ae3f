#include "formats/colour_clipboard.h"

#include <gtest/gtest.h>

#include "paint/code_string.h"
#include "paint/painting.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

// A picture of every slot but slot 2, painted as loaded: its slots show their marker colours.
Document LoadedWithoutSlot2() {
  std::vector<int> slots = SlotRange(1, 16);
  slots.erase(slots.begin() + 1);
  return LoadedDocument(IndexedBitmap(16, 16, TableWithSet1Markers(slots)));
}

TEST(ColourClipboard, CopyThenPasteGivesEverySlotTheCodeItHas) {
  const Document loaded = LoadedWithoutSlot2();
  // Code 84 has the colour of code 22, which its nearest code would be.
  const Expected<Document> painted = PaintedWithCodes(loaded, "84 5 22 9 9 84 ");
  ASSERT_TRUE(painted);
  for (const Document* document : {&loaded, &*painted}) {
    const SlotRecords& slots = document->model.slots;
    const Expected<PaletteCodes> pasted = PastedColourCodes(SlotColoursPaletteText(slots), slots);
    ASSERT_TRUE(pasted) << pasted.problem().message;
    EXPECT_EQ(pasted->codes, WriteCodeString(slots));
    EXPECT_FALSE(pasted->changesCodes);
  }
}

TEST(ColourClipboard, APastedListGivesItsNearestCodesToTheShownSlotsInOrder) {
  const SlotRecords& slots = LoadedWithoutSlot2().model.slots;
  const Expected<PaletteCodes> pasted =
      PastedColourCodes(SlotColoursHexText(slots).substr(0, 8) + "#FF7717\n", slots);
  ASSERT_TRUE(pasted) << pasted.problem().message;
  // Slot 1 takes its marker colour's nearest code; slot 2 is hidden, so the
  // second colour goes to slot 3, and of codes 22 and 84 the lower.
  const CodeStringReading codes = ReadCodeString(pasted->codes);
  EXPECT_EQ(codes.assignments[0].code, NearestCode(slots[0].colour).code);
  EXPECT_EQ(codes.assignments[1].code, slots[1].code);
  EXPECT_EQ(codes.assignments[2].code, 22);
  EXPECT_EQ(codes.assignments[3].code, slots[3].code);
  EXPECT_FALSE(pasted->byNames);
  EXPECT_EQ(pasted->matches.size(), 2u);
}

}  // namespace
}  // namespace tintara
