#include "paint/palette_text.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace tintara {
namespace {

// The number right-aligned in three places, as GIMP's "%3d".
std::string ThreePlaces(int value) {
  std::string digits = std::to_string(value);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
  return digits;
}

// What the palette calls the colour at this colour-table position; should two slots share the
// position, the name lists both.
std::string ColourName(std::size_t position, const SlotRecords& slots) {
  std::string name;
  for (std::size_t s = 0; s < slots.size(); ++s) {
    if (!slots[s].located() || static_cast<std::size_t>(slots[s].index) != position) continue;
    if (!name.empty()) name += ", ";
    name += "Slot " + std::to_string(s + 1) + ": " + std::to_string(slots[s].code);
  }
  return name.empty() ? "Index " + std::to_string(position) : name;
}

// A name kept to one line: a line break would end the line early and break the file.
std::string OneLine(std::string_view text) {
  std::string oneLine(text);
  std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
  std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
  return oneLine;
}

}  // namespace

std::vector<PaletteEntry> SlotNamedEntries(const std::vector<Colour>& colours,
                                           const SlotRecords& slots) {
  std::vector<PaletteEntry> entries;
  entries.reserve(colours.size());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    entries.push_back({colours[i], ColourName(i, slots)});
  }
  return entries;
}

std::string GimpPaletteText(std::string_view name, const std::vector<Colour>& colours,
                            const SlotRecords& slots) {
  return GimpPaletteText(name, SlotNamedEntries(colours, slots));
}

std::string GimpPaletteText(std::string_view name, std::span<const PaletteEntry> entries) {
  std::string text = "GIMP Palette\nName: " + OneLine(name) + "\nColumns: 16\n#\n";
  for (const PaletteEntry& entry : entries) {
    const Colour c = entry.colour;
    text += ThreePlaces(RedOf(c)) + ' ' + ThreePlaces(GreenOf(c)) + ' ' + ThreePlaces(BlueOf(c)) +
            '\t' + (entry.name.empty() ? std::string("Untitled") : OneLine(entry.name)) + '\n';
  }
  return text;
}

std::string JascPaletteText(const std::vector<Colour>& colours) {
  std::string text = "JASC-PAL\r\n0100\r\n" + std::to_string(colours.size()) + "\r\n";
  for (const Colour c : colours) {
    text += std::to_string(RedOf(c)) + ' ' + std::to_string(GreenOf(c)) + ' ' +
            std::to_string(BlueOf(c)) + "\r\n";
  }
  return text;
}

std::string HexDigitsOf(Colour colour, std::string_view digits) {
  std::string text;
  for (const std::uint8_t level : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
    text += digits[level >> 4];
    text += digits[level & 0xF];
  }
  return text;
}

std::string HexColourText(Colour colour) { return '#' + HexDigitsOf(colour); }

std::string HexPaletteText(std::span<const Colour> colours) {
  std::string text;
  for (const Colour c : colours) {
    text += HexDigitsOf(c, "0123456789abcdef") + '\n';
  }
  return text;
}

std::string PaintNetPaletteText(std::string_view name, std::span<const Colour> colours) {
  std::string text = "; paint.net Palette File\r\n; Palette Name: " + OneLine(name) +
                     "\r\n; Colors: " + std::to_string(colours.size()) + "\r\n";
  for (const Colour c : colours) {
    text += "FF" + HexDigitsOf(c) + "\r\n";
  }
  return text;
}

}  // namespace tintara
