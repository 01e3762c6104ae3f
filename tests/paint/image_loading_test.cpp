#include "paint/image_loading.h"

#include <gtest/gtest.h>

#include <vector>

#include "paint/reference_palette.h"

namespace tintara {
namespace {

ColourTableEntry Entry(Colour colour, std::uint8_t reserved = 0) {
  return {BlueOf(colour), GreenOf(colour), RedOf(colour), reserved};
}

// A table of n colours that match no marker, no fallback and no signature colour.
std::vector<ColourTableEntry> PlainTable(std::size_t n = 256) {
  std::vector<ColourTableEntry> table;
  for (std::size_t k = 0; k < n; ++k) table.push_back(Entry(0x400000 + Colour(k) * 0x000103));
  return table;
}

Bitmap IndexedBitmap(std::vector<ColourTableEntry> table) {
  Bitmap bitmap;
  bitmap.width = 2;
  bitmap.height = 1;
  bitmap.bitsPerPixel = 8;
  bitmap.colourTable = std::move(table);
  bitmap.indices = {0, 1};
  return bitmap;
}

const SlotRecord& Slot(const PaintModel& model, int slot) { return model.slots[slot - 1]; }

TEST(AdoptLoadedBitmap, PlainTableLocatesNoSlotButSetsDefaults) {
  PaintModel model;
  EXPECT_EQ(AdoptLoadedBitmap(model, IndexedBitmap(PlainTable())), LoadOutcome::SlotsLocated);
  EXPECT_FALSE(model.markerSet2);
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(Slot(model, s),
              (SlotRecord{kNotLocated, kSlots[s - 1].set1Code, kSlots[s - 1].set1Marker}));
  }
}

TEST(AdoptLoadedBitmap, HighestMatchingPositionWins) {
  std::vector<ColourTableEntry> table = PlainTable();
  table[12] = table[200] = Entry(kSlots[2].set1Marker);
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  EXPECT_EQ(Slot(model, 3).index, 200);
}

TEST(AdoptLoadedBitmap, MarkerBeatsAHigherFallback) {
  std::vector<ColourTableEntry> table = PlainTable();
  table[30] = Entry(kSlots[4].set1Marker);
  table[31] = Entry(kSlots[4].fallback);
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  EXPECT_EQ(Slot(model, 5).index, 30);
}

TEST(AdoptLoadedBitmap, FallbackLocatesTheSlotButKeepsTheMarkersCodeAndColour) {
  std::vector<ColourTableEntry> table = PlainTable();
  for (int s = 0; s < kSlotCount; ++s) table[100 + s] = Entry(kSlots[s].fallback);
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(Slot(model, s),
              (SlotRecord{99 + s, kSlots[s - 1].set1Code, kSlots[s - 1].set1Marker}));
  }
}

TEST(AdoptLoadedBitmap, EntryWithANonZeroFourthByteIsNoMarker) {
  std::vector<ColourTableEntry> table = PlainTable();
  table[40] = Entry(kSlots[0].set1Marker);
  table[41] = Entry(kSlots[0].set1Marker, 1);
  table[42] = Entry(kSlots[1].set1Marker, 0x80);
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  EXPECT_EQ(Slot(model, 1).index, 40);
  EXPECT_EQ(Slot(model, 2).index, kNotLocated);
  EXPECT_EQ(model.loaded[41], kSlots[0].set1Marker);
}

TEST(AdoptLoadedBitmap, ReferencePaletteChoosesSet2WithSlotsAt239To254) {
  std::vector<ColourTableEntry> table;
  for (const Colour c : kReferencePalette) table.push_back(Entry(c));
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  EXPECT_TRUE(model.markerSet2);
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(Slot(model, s), (SlotRecord{238 + s, 238 + s, ReferenceColour(238 + s)}));
  }
}

TEST(AdoptLoadedBitmap, SignatureWithOneColourOffChoosesSet1) {
  for (std::size_t off = 0; off < kSet2Signature.size(); ++off) {
    SCOPED_TRACE(off);
    std::vector<ColourTableEntry> table;
    for (const Colour c : kReferencePalette) table.push_back(Entry(c));
    table[kSet2SignatureFirstPosition + off] = Entry(0x010101);
    PaintModel model;
    model.markerSet2 = true;
    AdoptLoadedBitmap(model, IndexedBitmap(table));
    EXPECT_FALSE(model.markerSet2);
    EXPECT_EQ(Slot(model, 1).code, 9);
  }
}

TEST(AdoptLoadedBitmap, TableWithoutSlot16LeavesItUnlocated) {
  std::vector<ColourTableEntry> table = PlainTable();
  for (int s = 0; s < kSlotCount - 1; ++s) table[s] = Entry(kSlots[s].set1Marker);
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  EXPECT_EQ(Slot(model, 15).index, 14);
  EXPECT_EQ(Slot(model, 16).index, kNotLocated);
  EXPECT_EQ(Slot(model, 16).code, 39);
}

TEST(AdoptLoadedBitmap, BitmapWithoutColourTableLocatesNoSlotAndKeepsTheRest) {
  PaintModel model;
  std::vector<ColourTableEntry> table = PlainTable();
  table[7] = Entry(kSlots[0].set1Marker);
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  const PaintModel before = model;

  Bitmap deep;
  deep.width = 1;
  deep.height = 1;
  deep.bitsPerPixel = 24;
  deep.pixels = {0xFF080808u};
  EXPECT_EQ(AdoptLoadedBitmap(model, deep), LoadOutcome::NoColourTable);
  EXPECT_EQ(model.work->bitsPerPixel, 24);
  EXPECT_EQ(model.work->pixels, deep.pixels);
  for (std::size_t r = 0; r < model.slots.size(); ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(model.slots[r],
              (SlotRecord{kNotLocated, before.slots[r].code, before.slots[r].colour}));
  }
  EXPECT_EQ(model.loaded, before.loaded);
  EXPECT_EQ(model.mapped, before.mapped);
  EXPECT_EQ(model.markerSet2, before.markerSet2);
}

TEST(AdoptLoadedBitmap, ShortTableLeavesTheRestOfBothTablesAsTheyWere) {
  PaintModel model;
  model.loaded.fill(0x111111);
  model.mapped.fill(0x222222);
  std::vector<ColourTableEntry> table = PlainTable(16);
  table[15] = Entry(kSlots[15].set1Marker);
  AdoptLoadedBitmap(model, IndexedBitmap(table));
  for (std::size_t k = 0; k < 256; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(model.loaded[k], k < 16 ? table[k].colour() : 0x111111);
    EXPECT_EQ(model.mapped[k], k < 16 ? table[k].colour() : 0x222222);
  }
  EXPECT_EQ(Slot(model, 16).index, 15);
}

TEST(AdoptLoadedBitmap, ShortTableReadsTheSignatureAsTheTablesHoldIt) {
  PaintModel model;
  for (std::size_t k = 0; k < 256; ++k) model.loaded[k] = kReferencePalette[k];
  AdoptLoadedBitmap(model, IndexedBitmap(PlainTable(16)));
  EXPECT_TRUE(model.markerSet2);
}

}  // namespace
}  // namespace tintara
