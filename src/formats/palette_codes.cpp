#include "formats/palette_codes.h"

#include <charconv>

#include "paint/code_string.h"

namespace tintara {
namespace {

// A whole decimal number at the front of the text, which is left after it.
std::optional<int> TakeNumber(std::string_view& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end == text.data() || text.front() == '-') return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

}  // namespace

std::vector<NamedSlotCode> SlotCodesNamed(std::string_view name) {
  std::vector<NamedSlotCode> named;
  std::string_view rest = name;
  do {
    if (!TakePrefix(rest, "Slot ")) return {};
    const std::optional<int> slot = TakeNumber(rest);
    if (!slot || *slot < 1 || *slot > kSlotCount || !TakePrefix(rest, ": ")) return {};
    TakePrefix(rest, "code ");
    const std::optional<int> code = TakeNumber(rest);
    if (!code || *code > 255) return {};
    named.push_back({*slot, *code});
  } while (TakePrefix(rest, ", "));
  if (!rest.empty()) return {};
  return named;
}

PaletteCodes PaletteCodesForSlots(const Palette& palette, const SlotRecords& slots) {
  SlotRecords given = slots;
  PaletteCodes result;
  for (const PaletteEntry& entry : palette.entries) {
    for (const NamedSlotCode& named : SlotCodesNamed(entry.name)) {
      given[static_cast<std::size_t>(named.slot - 1)].code = named.code;
      result.byNames = true;
    }
  }
  if (!result.byNames) {
    std::size_t next = 0;
    for (SlotRecord& slot : given) {
      if (!slot.located()) continue;
      if (next == palette.entries.size()) break;
      result.matches.push_back(NearestCode(palette.entries[next++].colour));
      slot.code = result.matches.back().code;
    }
  }
  result.codes = WriteCodeString(given);
  result.changesCodes = result.codes != WriteCodeString(slots);
  return result;
}

PaletteCodes PaletteCodesForEverySlot(const Palette& palette) {
  SlotRecords slots{};
  for (std::size_t s = 0; s < slots.size(); ++s) {
    slots[s] = {static_cast<std::int32_t>(s), kSlots[s].set1Code, 0};
  }
  return PaletteCodesForSlots(palette, slots);
}

}  // namespace tintara
