#include "paint/palette_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

namespace tintara {
namespace {

std::vector<std::string> Split(const std::string& text, const std::string& lineEnd) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(lineEnd, start)) != std::string::npos;
       start = end + lineEnd.size()) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line has no line end";
  return lines;
}

Colour ColourOf(const std::string& rgb) {
  std::istringstream in(rgb);
  int red = -1, green = -1, blue = -1;
  in >> red >> green >> blue;
  EXPECT_TRUE(in && red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 &&
              blue <= 255)
      << rgb;
  return MakeColour(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                    static_cast<std::uint8_t>(blue));
}

// A GIMP palette read the way GIMP reads one: a four-line header, then "R G B<TAB>name" lines.
struct GimpPalette {
  std::vector<std::string> header;
  std::vector<Colour> colours;
  std::vector<std::string> names;
};

GimpPalette ReadGimp(const std::string& text) {
  EXPECT_EQ(text.find('\r'), std::string::npos);
  std::vector<std::string> lines = Split(text, "\n");
  GimpPalette palette;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < 4) {
      palette.header.push_back(lines[i]);
      continue;
    }
    const std::size_t tab = lines[i].find('\t');
    EXPECT_NE(tab, std::string::npos) << lines[i];
    palette.colours.push_back(ColourOf(lines[i].substr(0, tab)));
    palette.names.push_back(lines[i].substr(tab + 1));
  }
  return palette;
}

std::vector<Colour> SomeColours(std::size_t count) {
  std::vector<Colour> colours;
  for (std::size_t i = 0; i < count; ++i) {
    const auto v = static_cast<std::uint8_t>(i * 13);
    colours.push_back(
        MakeColour(v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(i)));
  }
  return colours;
}

SlotRecords NoSlotLocated() {
  SlotRecords slots;
  for (SlotRecord& slot : slots) slot = {kNotLocated, 1, 0};
  return slots;
}

TEST(GimpPaletteText, ListsEveryColourInOrderNamedAfterItsSlotOrPosition) {
  const std::vector<Colour> colours = SomeColours(20);
  SlotRecords slots = NoSlotLocated();
  slots[2] = {5, 224, 0};   // slot 3
  slots[15] = {19, 39, 0};  // slot 16, the last entry
  slots[6] = {9, 100, 0};   // slots 7 and 8 share a position
  slots[7] = {9, 101, 0};
  slots[0] = {kNotLocated, 7, 0};
  slots[1] = {40, 8, 0};  // beyond the table: names nothing

  const GimpPalette palette = ReadGimp(GimpPaletteText("Red skin", colours, slots));
  EXPECT_EQ(palette.header,
            (std::vector<std::string>{"GIMP Palette", "Name: Red skin", "Columns: 16", "#"}));
  EXPECT_EQ(palette.colours, colours);
  ASSERT_EQ(palette.names.size(), 20u);
  for (std::size_t i = 0; i < 20; ++i) {
    const std::string expected = i == 5    ? "Slot 3: 224"
                                 : i == 19 ? "Slot 16: 39"
                                 : i == 9  ? "Slot 7: 100, Slot 8: 101"
                                           : "Index " + std::to_string(i);
    EXPECT_EQ(palette.names[i], expected) << i;
  }
}

TEST(GimpPaletteText, NumbersAreRightAlignedInThreePlaces) {
  const std::string text =
      GimpPaletteText("p", {MakeColour(5, 40, 255), MakeColour(0, 100, 9)}, NoSlotLocated());
  const std::vector<std::string> lines = Split(text, "\n");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "  5  40 255\tIndex 0");
  EXPECT_EQ(lines[5], "  0 100   9\tIndex 1");
}

TEST(GimpPaletteText, ANameWithALineBreakStaysOnTheNameLine) {
  const GimpPalette palette =
      ReadGimp(GimpPaletteText("two\nlines\r", SomeColours(3), NoSlotLocated()));
  EXPECT_EQ(palette.header.at(1), "Name: two lines ");
  EXPECT_EQ(palette.colours, SomeColours(3));
}

TEST(JascPaletteText, HasTheHeaderTheCountAndTheColoursEachLineEndingInCrLf) {
  for (const std::size_t count : {std::size_t{2}, std::size_t{256}}) {
    SCOPED_TRACE(count);
    const std::vector<Colour> colours = SomeColours(count);
    const std::string text = JascPaletteText(colours);
    const std::vector<std::string> lines = Split(text, "\r\n");
    ASSERT_EQ(lines.size(), count + 3);
    EXPECT_EQ(lines[0], "JASC-PAL");
    EXPECT_EQ(lines[1], "0100");
    EXPECT_EQ(lines[2], std::to_string(count));
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_EQ(ColourOf(lines[i + 3]), colours[i]) << i;
      EXPECT_EQ(lines[i + 3].find('\n'), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace tintara
