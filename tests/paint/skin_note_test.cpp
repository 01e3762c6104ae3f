#include "paint/skin_note.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintara {
namespace {

std::vector<ColourTableEntry> Table(std::size_t count) {
  std::vector<ColourTableEntry> table;
  for (std::size_t i = 0; i < count; ++i) {
    table.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 7),
                     static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i % 5)});
  }
  return table;
}

TEST(SkinNote, ReadsBackWhatIsWrittenEveryByteOfTheTableKept) {
  for (const std::size_t entries : {1u, 200u, 256u}) {
    const SkinNote note{Table(entries), "17 18 255 0 ", 0xDEADBEEF};
    EXPECT_EQ(ReadSkinNote(SkinNoteText(note)), note) << entries;
  }
  const SkinNote unpainted{Table(3), "", 0};
  EXPECT_EQ(ReadSkinNote(SkinNoteText(unpainted)), unpainted);
}

// A note changed in any way, or cut short, is no note: the picture then opens as it is.
TEST(SkinNote, AnythingButAWholeNoteIsRefused) {
  const std::string good = SkinNoteText({Table(2), "1 2 ", 0x01234567});
  ASSERT_EQ(good, "tintara-skin 1\ntable ff000000 fe070101\ncodes 1 2 \npalette-crc32 01234567\n");
  const auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  };
  std::string entries257 = SkinNoteText({Table(256), "", 0});
  entries257.insert(entries257.find("\ncodes"), " 00000000");
  const std::string cases[] = {
      "",
      good.substr(0, good.size() - 1),
      good + "more\n",
      replaced("skin 1", "skin 2"),
      replaced("table ff000000 fe070101", "table"),
      replaced("fe070101", "fe07010g"),
      replaced(" fe070101", " fe070101 "),
      replaced("codes 1 2 ", "codes 1 x "),
      replaced("01234567", "1234567"),
      entries257,
  };
  for (const std::string& text : cases) EXPECT_EQ(ReadSkinNote(text), std::nullopt) << text;
}

TEST(SkinNote, RestoresTheLoadedTableOnlyForThePaletteItWasSavedWith) {
  Bitmap bitmap;
  bitmap.width = bitmap.height = 1;
  bitmap.bitsPerPixel = 8;
  bitmap.indices = {0};
  bitmap.colourTable = {{1, 2, 3, 0}, {4, 5, 6, 0}};
  const std::vector<ColourTableEntry> loaded = Table(3);
  const std::string note = SkinNoteText({loaded, "9 8 ", PaletteChecksum(bitmap.colourTable)});

  Bitmap saved = bitmap;
  EXPECT_EQ(RestoreNotedSkin(saved, note), "9 8 ");
  EXPECT_EQ(saved.colourTable, loaded);

  Bitmap edited = bitmap;
  edited.colourTable[1].green = 7;  // one colour changed by another program
  EXPECT_EQ(RestoreNotedSkin(edited, note), std::nullopt);
  EXPECT_EQ(edited.colourTable[1], (ColourTableEntry{4, 7, 6, 0}));

  // A table too long for 1-bit pixels is not taken.
  Bitmap narrow = bitmap;
  narrow.bitsPerPixel = 1;
  EXPECT_EQ(RestoreNotedSkin(narrow, note), std::nullopt);
  EXPECT_EQ(narrow.colourTable, bitmap.colourTable);

  Bitmap unpainted = bitmap;
  EXPECT_EQ(
      RestoreNotedSkin(unpainted, SkinNoteText({loaded, "", PaletteChecksum(bitmap.colourTable)})),
      std::nullopt);
  EXPECT_EQ(unpainted.colourTable, loaded);
}

}  // namespace
}  // namespace tintara
