#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "paint/paint_model.h"

namespace tintara {

// What one token of a code string gives a slot.
struct SlotAssignment {
  int slot = 0;           // 1..16
  std::int32_t code = 0;  // 0..255
  std::string token;      // as typed; the slot label shows it unchanged ("007")
  friend bool operator==(const SlotAssignment&, const SlotAssignment&) = default;
};

// The result of reading a code string: the assignments in the order they apply, and the token
// that was not a number, if reading stopped at one (the assignments before it still apply).
struct CodeStringReading {
  std::vector<SlotAssignment> assignments;
  std::optional<std::string> badToken;
};

// Reads a code string typed or pasted by the user. Tokens are separated by blanks (code 32 only);
// the n-th blank-terminated token names slot n up to 16; a final token without a blank names slot
// 16. Values of 256 or more, and negative values, consume their slot but change nothing.
CodeStringReading ReadCodeString(std::string_view text);

// Why a code string stops at the token: "'x' is not a valid integer value".
std::string BadTokenMessage(std::string_view token);

// Converts one token as a signed 32-bit integer: optional sign and decimal digits, or hexadecimal
// after "$", "x" or "0x". Nothing for anything else.
std::optional<std::int32_t> ParseCodeToken(std::string_view token);

// The canonical code string: the 16 codes in slot order, each followed by one blank.
std::string WriteCodeString(const SlotRecords& slots);

// Keeps the edit box text as the last codes unless it contains the default code string.
void RememberLastCodes(std::string& lastCodes, std::string_view editText);

}  // namespace tintara
