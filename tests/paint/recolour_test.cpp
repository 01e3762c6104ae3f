#include "paint/recolour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "paint/code_string.h"
#include "paint/image_loading.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

ColourTableEntry Entry(Colour colour) {
  return {BlueOf(colour), GreenOf(colour), RedOf(colour), 0};
}

// An 8-bit picture with the given colour table whose pixels run through every index 0..255.
Bitmap IndexedBitmap(const std::vector<Colour>& colours, int width = 16, int height = 16) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bitsPerPixel = 8;
  for (const Colour c : colours) bitmap.colourTable.push_back(Entry(c));
  for (int i = 0; i < width * height; ++i) bitmap.indices.push_back(std::uint8_t(i * 7));
  return bitmap;
}

// A colour table without markers, every entry distinct from the markers and the palette.
std::vector<Colour> PlainColours() {
  std::vector<Colour> colours;
  for (Colour i = 0; i < 256; ++i) colours.push_back(0x010203 * (i % 64) + 0x400000);
  return colours;
}

void GiveCode(PaintModel& model, int slot, std::int32_t code) {
  model.slots[slot - 1].code = code;
  model.slots[slot - 1].colour = ReferenceColour(code);
}

// What the picture shows after the edits made to the model so far.
std::vector<std::uint32_t> Recolour(PaintModel& model) {
  WriteSlotColours(model);
  const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);
  std::vector<std::uint32_t> out(std::size_t(model.work->width) * model.work->height);
  DrawThroughTable(*model.work, table, out.data());
  return out;
}

DisplayTable NaiveMapColourTable(const Bitmap& bitmap, const ColourTable& oldColours,
                                 const ColourTable& newColours) {
  DisplayTable table;
  table.fill(0xFF000000u);
  const std::size_t length = std::size_t{1} << bitmap.bitsPerPixel;
  for (std::size_t i = 0; i < length; ++i) {
    Colour c = i < bitmap.colourTable.size() ? bitmap.colourTable[i].colour() : 0;
    for (std::size_t j = 0; j < 256; ++j) {
      if (c == oldColours[j]) c = newColours[j];
    }
    table[i] = ToDisplayPixel(c);
  }
  return table;
}

TEST(WriteSlotColours, WritesLocatedSlotsOnly) {
  PaintModel model;
  model.mapped.fill(0x123456);
  for (SlotRecord& record : model.slots) record = {kNotLocated, 1, 0xABCDEF};
  model.slots[0] = {7, 9, 0x0F0F0F};
  model.slots[15] = {255, 39, 0x0000B7};
  WriteSlotColours(model);
  for (std::size_t k = 0; k < 256; ++k) {
    const Colour expected = k == 7 ? 0x0F0F0F : k == 255 ? 0x0000B7 : 0x123456;
    EXPECT_EQ(model.mapped[k], expected) << k;
  }
}

TEST(Recolour, DefaultCodesPaintASet1ImageWithTheirReferenceColours) {
  std::vector<Colour> colours = PlainColours();
  for (int s = 0; s < kSlotCount; ++s) colours[100 + s] = kSlots[s].set1Marker;
  PaintModel model;
  ASSERT_EQ(AdoptLoadedBitmap(model, IndexedBitmap(colours)), LoadOutcome::SlotsLocated);
  for (const SlotAssignment& a : ReadCodeString(kDefaultCodeString).assignments) {
    GiveCode(model, a.slot, a.code);
  }
  WriteSlotColours(model);
  const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);

  EXPECT_EQ(table[100], ToDisplayPixel(0x0F0F0F));  // slot 1 was 080808
  for (int s = 0; s < kSlotCount; ++s) {
    EXPECT_EQ(table[100 + s], ToDisplayPixel(ReferenceColour(kSlots[s].set1Code))) << s + 1;
  }
  EXPECT_EQ(table[0], ToDisplayPixel(colours[0]));
  EXPECT_EQ(table[255], ToDisplayPixel(colours[255]));
  EXPECT_EQ(WriteCodeString(model.slots), std::string(kDefaultCodeString) + ' ');
}

TEST(Recolour, EveryEntryWithTheSlotsLoadedColourIsRecoloured) {
  std::vector<Colour> colours = PlainColours();
  colours[10] = colours[20] = kSlots[0].set1Marker;
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(colours));
  ASSERT_EQ(model.slots[0].index, 20);
  GiveCode(model, 1, 3);
  WriteSlotColours(model);
  const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);
  EXPECT_EQ(table[10], ToDisplayPixel(ReferenceColour(3)));
  EXPECT_EQ(table[20], ToDisplayPixel(ReferenceColour(3)));
}

TEST(Recolour, ReplacementsChainInAscendingOrder) {
  const std::vector<Colour> palette(kReferencePalette.begin(), kReferencePalette.end());
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(palette));
  ASSERT_TRUE(model.markerSet2);
  ASSERT_EQ(model.slots[0].index, 239);
  GiveCode(model, 1, 240);
  GiveCode(model, 2, 5);
  WriteSlotColours(model);
  const DisplayTable table = MapColourTable(*model.work, model.loaded, model.mapped);
  EXPECT_EQ(table[239], ToDisplayPixel(ReferenceColour(5)));
  EXPECT_EQ(table[240], ToDisplayPixel(ReferenceColour(5)));
}

TEST(Recolour, AgreesWithTheFullComparisonOnRandomTables) {
  std::mt19937 random(20240601);
  // Few distinct colours, so that entries match and replacements chain often.
  std::uniform_int_distribution<Colour> colour(0, 7);
  std::uniform_int_distribution<int> percent(0, 99);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    // Some tables are short, some belong to 4-bit pictures.
    std::vector<Colour> colours(round % 5 == 0 ? std::size_t(round) % 256 : 256);
    for (Colour& c : colours) c = colour(random);
    Bitmap bitmap = IndexedBitmap(colours, 2, 2);
    for (ColourTableEntry& entry : bitmap.colourTable)
      entry.reserved = std::uint8_t(colour(random));
    if (round % 4 == 0) {
      bitmap.bitsPerPixel = 4;
      bitmap.colourTable.resize(std::min<std::size_t>(bitmap.colourTable.size(), 16));
    }
    ColourTable oldColours{};
    ColourTable newColours{};
    for (std::size_t j = 0; j < 256; ++j) {
      oldColours[j] = colour(random);
      newColours[j] = percent(random) < 80 ? oldColours[j] : colour(random);
    }
    EXPECT_EQ(MapColourTable(bitmap, oldColours, newColours),
              NaiveMapColourTable(bitmap, oldColours, newColours));
  }
}

TEST(Recolour, MissingEntriesAreBlackAndTakePartInTheChain) {
  Bitmap bitmap = IndexedBitmap({0x111111, 0x222222, 0x333333, 0x444444});
  ColourTable same{};
  const DisplayTable plain = MapColourTable(bitmap, same, same);
  EXPECT_EQ(plain[3], ToDisplayPixel(0x444444));
  EXPECT_EQ(plain[4], 0xFF000000u);
  EXPECT_EQ(plain[255], 0xFF000000u);

  ColourTable newColours{};
  newColours[9] = 0x00FF00;
  const DisplayTable chained = MapColourTable(bitmap, same, newColours);
  EXPECT_EQ(chained[3], ToDisplayPixel(0x444444));
  EXPECT_EQ(chained[4], ToDisplayPixel(0x00FF00));

  bitmap.bitsPerPixel = 1;
  const DisplayTable twoColours = MapColourTable(bitmap, same, newColours);
  EXPECT_EQ(twoColours[1], ToDisplayPixel(0x222222));
  EXPECT_EQ(twoColours[2], 0xFF000000u);
}

TEST(DrawThroughTable, DrawsEveryPixelThroughTheTable) {
  DisplayTable table;
  for (std::uint32_t i = 0; i < 256; ++i) table[i] = 0xFF000000u | (i * 0x010307u);
  for (const auto& [width, height] : {std::pair{1, 1}, {3, 5}, {7, 1}, {8, 1}, {9, 3}, {55, 144}}) {
    SCOPED_TRACE(testing::Message() << width << " x " << height);
    const Bitmap bitmap = IndexedBitmap({}, width, height);
    std::vector<std::uint32_t> out(std::size_t(width) * height + 1, 0xDEADBEEF);
    DrawThroughTable(bitmap, table, out.data());
    for (std::size_t i = 0; i < bitmap.indices.size(); ++i) {
      ASSERT_EQ(out[i], table[bitmap.indices[i]]) << i;
    }
    EXPECT_EQ(out.back(), 0xDEADBEEFu);
  }
}

TEST(DrawThroughTable, ShortIndexDataDrawsBlackBeyondIt) {
  Bitmap bitmap = IndexedBitmap({}, 4, 4);
  bitmap.indices.resize(5);
  DisplayTable table;
  table.fill(0xFFFFFFFFu);
  std::vector<std::uint32_t> out(16, 0);
  DrawThroughTable(bitmap, table, out.data());
  EXPECT_EQ(out[4], 0xFFFFFFFFu);
  EXPECT_EQ(out[5], 0xFF000000u);
  EXPECT_EQ(out[15], 0xFF000000u);
}

// The command line encodes a row at a time: its rows are the whole drawing's, short data and
// deep pictures included.
TEST(DrawThroughTable, ARowAtATimeDrawsWhatTheWholeDrawingDraws) {
  DisplayTable table;
  for (std::uint32_t i = 0; i < 256; ++i) table[i] = 0xFF000000u | (i * 0x010307u);
  Bitmap shortData = IndexedBitmap({}, 9, 4);
  shortData.indices.resize(14);
  Bitmap deep;
  deep.width = 3;
  deep.height = 2;
  deep.bitsPerPixel = 24;
  deep.pixels = {0xFF010203u, 0xFF080808u, 0xFF0000B5u, 0xFFFFFFFFu, 0xFF000000u};
  for (const Bitmap& bitmap : {IndexedBitmap({}, 55, 144), shortData, deep}) {
    SCOPED_TRACE(bitmap.width);
    std::vector<std::uint32_t> whole(std::size_t(bitmap.width) * bitmap.height);
    DrawThroughTable(bitmap, table, whole.data());
    std::vector<std::uint32_t> rows(whole.size());
    for (int y = 0; y < bitmap.height; ++y) {
      DrawRowThroughTable(bitmap, table, y, rows.data() + std::size_t(y) * bitmap.width);
    }
    EXPECT_EQ(rows, whole);
  }
}

TEST(Recolour, DeepPictureIsShownUnchanged) {
  PaintModel model;
  Bitmap deep;
  deep.width = 3;
  deep.height = 2;
  deep.bitsPerPixel = 24;
  deep.pixels = {0xFF010203u, 0xFF080808u, 0xFF0000B5u, 0xFFFFFFFFu, 0xFF000000u, 0xFF123456u};
  model.loaded.fill(0x080808);
  model.mapped.fill(0x0F0F0F);
  ASSERT_EQ(AdoptLoadedBitmap(model, deep), LoadOutcome::NoColourTable);
  EXPECT_EQ(Recolour(model), deep.pixels);
}

TEST(Recolour, WorkBitmapStaysAsLoadedAndEditsStartAgainFromIt) {
  std::vector<Colour> colours = PlainColours();
  for (int s = 0; s < kSlotCount; ++s) colours[200 + s] = kSlots[s].set1Marker;
  PaintModel model;
  AdoptLoadedBitmap(model, IndexedBitmap(colours));
  const Bitmap loaded = *model.work;

  for (int s = 1; s <= kSlotCount; ++s) GiveCode(model, s, s * 11);
  const std::vector<std::uint32_t> first = Recolour(model);
  for (int edit = 0; edit < 50; ++edit) {
    GiveCode(model, edit % kSlotCount + 1, (edit * 37) % 256);
    Recolour(model);
  }
  for (int s = 1; s <= kSlotCount; ++s) GiveCode(model, s, s * 11);
  EXPECT_EQ(Recolour(model), first);
  EXPECT_EQ(model.work->colourTable, loaded.colourTable);
  EXPECT_EQ(model.work->indices, loaded.indices);
  EXPECT_TRUE(std::equal(colours.begin(), colours.end(), model.loaded.begin()));
}

}  // namespace
}  // namespace tintara
