#include "formats/colour_clipboard.h"

#include <cstdint>
#include <span>
#include <vector>

#include "formats/palette_reader.h"
#include "paint/palette_text.h"

namespace tintara {
namespace {

constexpr std::string_view kCopiedName = "Slot colours";

std::vector<PaletteEntry> ShownSlotEntries(const SlotRecords& slots) {
  std::vector<PaletteEntry> entries;
  for (std::size_t s = 0; s < slots.size(); ++s) {
    if (!slots[s].located()) continue;
    entries.push_back({slots[s].colour, "Slot " + std::to_string(s + 1) + ": code " +
                                            std::to_string(slots[s].code)});
  }
  return entries;
}

}  // namespace

std::string SlotColoursHexText(const SlotRecords& slots) {
  std::string text;
  for (const PaletteEntry& entry : ShownSlotEntries(slots)) {
    text += HexColourText(entry.colour) + '\n';
  }
  return text;
}

std::string SlotColoursPaletteText(const SlotRecords& slots) {
  return GimpPaletteText(kCopiedName, ShownSlotEntries(slots));
}

Expected<PaletteCodes> PastedColourCodes(std::string_view text, const SlotRecords& slots) {
  // Palettes are told by their text; anything else is read as a list of colours.
  const Expected<Palette> palette =
      ParsePalette(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                   "hex", kCopiedName);
  if (!palette) return palette.problem();
  return PaletteCodesForSlots(*palette, slots);
}

}  // namespace tintara
