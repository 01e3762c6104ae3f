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

}  // namespace

std::string GimpPaletteText(std::string_view name, const std::vector<Colour>& colours,
                            const SlotRecords& slots) {
  // A line break in the name would end the header line early and break the file.
  std::string oneLine(name);
  std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
  std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');

  std::string text = "GIMP Palette\nName: " + oneLine + "\nColumns: 16\n#\n";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const Colour c = colours[i];
    text += ThreePlaces(RedOf(c)) + ' ' + ThreePlaces(GreenOf(c)) + ' ' + ThreePlaces(BlueOf(c)) +
            '\t' + ColourName(i, slots) + '\n';
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

}  // namespace tintara
