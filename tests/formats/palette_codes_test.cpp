#include "formats/palette_codes.h"

#include <gtest/gtest.h>

#include "formats/palette_reader.h"
#include "paint/code_string.h"
#include "paint/painted_skin.h"
#include "paint/painting.h"
#include "paint/palette_text.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

// An exported GIMP palette names its slots' colours "Slot 3: 224"; read back, those names give the
// codes exactly, also code 84, whose colour is code 22's.
TEST(PaletteCodes, AnExportedPaletteGivesItsSlotsTheirCodes) {
  const Document loaded =
      LoadedDocument(IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
  const Expected<Document> painted = PaintedWithCodes(loaded, "84 5 22 9 9 84 40 ");
  ASSERT_TRUE(painted);
  const SlotRecords& slots = painted->model.slots;
  const std::string text =
      GimpPaletteText("skin", PaintedColours(*painted->model.work, *PaintedTable(*painted)), slots);
  const Expected<Palette> palette = ParsePalette(
      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), "gpl", "skin");
  ASSERT_TRUE(palette);
  const PaletteCodes codes = PaletteCodesForSlots(*palette, loaded.model.slots);
  EXPECT_TRUE(codes.byNames);
  EXPECT_EQ(codes.codes, WriteCodeString(slots));
}

}  // namespace
}  // namespace tintara
