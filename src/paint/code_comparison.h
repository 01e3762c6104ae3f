#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintara {

// A slot whose code differs between the code strings compared: the code each gives it, or none
// where a string leaves the slot as it is.
struct DifferingSlot {
  int slot = 0;   // 1..16
  int group = 0;  // 1..4
  std::vector<std::optional<std::int32_t>> codes;
  friend bool operator==(const DifferingSlot&, const DifferingSlot&) = default;
};

// The slots, in order, to which the code strings (read as "Apply Color Codes" reads them, up to a
// token that stops them) do not all give the same code.
std::vector<DifferingSlot> DifferingSlots(const std::vector<std::string>& codeStrings);

// The code each slot (1..16, at index slot - 1) takes from the code string, or none.
std::vector<std::optional<std::int32_t>> SlotCodes(const std::string& codeString);

}  // namespace tintara
