#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tintara {

// The digits at the start of a text.
struct LeadingDigits {
  std::uint64_t value = 0;  // held at the ceiling once it gets there
  std::size_t count = 0;
};

// Reads ASCII digits in base 10 or 16 (letters in either case) up to the first other character.
// The value stops at `ceiling` (at most 2^32), so that any number of digits reads without
// overflowing and a value beyond the caller's range still shows as one.
LeadingDigits ReadLeadingDigits(std::string_view text, unsigned base, std::uint64_t ceiling);

// The prefixes that make a number hexadecimal.
enum class HexPrefixes {
  DollarOr0x,   // "$", "0x" or "0X"
  DollarXOr0x,  // a lone "x" or "X" too
};

// The whole text as a signed 32-bit integer: decimal with an optional sign, or hexadecimal after
// one of the prefixes, read as the 32-bit pattern so that "$FFFFFFFF" is -1. Nothing for anything
// else, blanks included, or for a value beyond 32 bits.
std::optional<std::int32_t> ParseInt32(std::string_view text, HexPrefixes prefixes);

}  // namespace tintara
