// Reads the input as a palette file, its first byte choosing the extension the file would have:
// a reading stays within its bounds, writes back to the same colours in every format the program
// writes, and gives every slot a code; the same bytes pasted as text do too. A violated invariant
// aborts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/colour_clipboard.h"
#include "formats/palette_codes.h"
#include "formats/palette_reader.h"
#include "invariant.h"
#include "paint/code_string.h"
#include "paint/palette_text.h"

namespace {

constexpr std::array<std::string_view, 6> kExtensions = {"gpl", "pal", "ase", "act", "hex", "txt"};

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

void CheckCodes(const tintara::PaletteCodes& codes) {
  const tintara::CodeStringReading reading = tintara::ReadCodeString(codes.codes);
  Check(!reading.badToken && reading.assignments.size() == tintara::kSlotCount,
        "the code string gives every slot a code");
  for (const tintara::SlotAssignment& assignment : reading.assignments) {
    Check(assignment.code >= 0 && assignment.code <= 255, "every code is a code");
  }
  for (const tintara::CodeMatch& match : codes.matches) {
    Check(match.code >= tintara::kFirstBoardCode && match.code <= tintara::kLastBoardCode,
          "a colour is matched to a board code");
  }
}

void CheckReadsBack(const tintara::Palette& palette, const std::string& text,
                    std::string_view type) {
  const auto read = tintara::ParsePalette(BytesOf(text), type, "x");
  Check(read.has_value() && read->entries.size() == palette.entries.size(),
        "a written palette reads back whole");
  for (std::size_t i = 0; i < palette.entries.size(); ++i) {
    Check(read->entries[i].colour == palette.entries[i].colour, "a colour reads back as written");
  }
}

void CheckWrittenBack(const tintara::Palette& palette) {
  std::vector<tintara::Colour> colours;
  for (const tintara::PaletteEntry& entry : palette.entries) colours.push_back(entry.colour);
  CheckReadsBack(palette, tintara::GimpPaletteText(palette.name, palette.entries), "gpl");
  CheckReadsBack(palette, tintara::JascPaletteText(colours), "pal");
  CheckReadsBack(palette, tintara::HexPaletteText(colours), "hex");
  CheckReadsBack(palette, tintara::PaintNetPaletteText(palette.name, colours), "txt");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view extension = kExtensions[data[0] % kExtensions.size()];
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);
  const auto palette = tintara::ParsePalette(bytes, extension, "fuzz");
  if (palette) {
    Check(!palette->entries.empty(), "a palette read has colours");
    Check(palette->entries.size() <= tintara::kMaxPaletteColours, "a palette stays within bounds");
    CheckWrittenBack(*palette);
    tintara::SlotRecords slots{};
    for (std::size_t s = 0; s < slots.size(); ++s) {
      slots[s] = {s % 3 == 0 ? tintara::kNotLocated : std::int32_t(s), std::int32_t(s * 15), 0};
    }
    CheckCodes(tintara::PaletteCodesForSlots(*palette, slots));
    CheckCodes(tintara::PaletteCodesForEverySlot(*palette));
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  tintara::SlotRecords shown{};
  const auto pasted = tintara::PastedColourCodes(text, shown);
  if (pasted) CheckCodes(*pasted);
  return 0;
}
