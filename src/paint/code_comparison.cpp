#include "paint/code_comparison.h"

#include <algorithm>

#include "paint/code_string.h"
#include "paint/slot_tables.h"

namespace tintara {

std::vector<std::optional<std::int32_t>> SlotCodes(const std::string& codeString) {
  std::vector<std::optional<std::int32_t>> codes(kSlotCount);
  // A later token for the same slot wins, as it does when the string is applied; codes outside
  // the palette leave their slot as it is.
  for (const SlotAssignment& assignment : ReadCodeString(codeString).assignments) {
    codes[static_cast<std::size_t>(assignment.slot - 1)] = assignment.code;
  }
  return codes;
}

std::vector<DifferingSlot> DifferingSlots(const std::vector<std::string>& codeStrings) {
  std::vector<std::vector<std::optional<std::int32_t>>> codes;
  codes.reserve(codeStrings.size());
  for (const std::string& codeString : codeStrings) codes.push_back(SlotCodes(codeString));
  std::vector<DifferingSlot> differing;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    DifferingSlot row{slot, kSlots[static_cast<std::size_t>(slot - 1)].group, {}};
    for (const auto& slotCodes : codes) row.codes.push_back(slotCodes[std::size_t(slot - 1)]);
    if (std::adjacent_find(row.codes.begin(), row.codes.end(), std::not_equal_to<>()) !=
        row.codes.end()) {
      differing.push_back(std::move(row));
    }
  }
  return differing;
}

}  // namespace tintara
