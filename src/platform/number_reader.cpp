#include "platform/number_reader.h"

#include <algorithm>
#include <limits>

namespace tintara {
namespace {

// The value of an ASCII digit in the base, or -1.
int DigitValue(char c, unsigned base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base != 16) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The text as digits alone, up to `limit`.
std::optional<std::uint64_t> WholeNumber(std::string_view text, unsigned base,
                                         std::uint64_t limit) {
  const LeadingDigits digits = ReadLeadingDigits(text, base, limit + 1);
  if (digits.count == 0 || digits.count != text.size() || digits.value > limit) {
    return std::nullopt;
  }
  return digits.value;
}

std::optional<std::string_view> HexDigitsAfterPrefix(std::string_view text, HexPrefixes prefixes) {
  if (text.starts_with('$')) return text.substr(1);
  if (prefixes == HexPrefixes::DollarXOr0x && (text.starts_with('x') || text.starts_with('X'))) {
    return text.substr(1);
  }
  if (text.starts_with("0x") || text.starts_with("0X")) return text.substr(2);
  return std::nullopt;
}

}  // namespace

LeadingDigits ReadLeadingDigits(std::string_view text, unsigned base, std::uint64_t ceiling) {
  LeadingDigits digits;
  for (const char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) break;
    digits.value = std::min<std::uint64_t>(digits.value * base + unsigned(digit), ceiling);
    ++digits.count;
  }
  return digits;
}

std::optional<std::int32_t> ParseInt32(std::string_view text, HexPrefixes prefixes) {
  if (const auto hexDigits = HexDigitsAfterPrefix(text, prefixes)) {
    const auto pattern = WholeNumber(*hexDigits, 16, std::numeric_limits<std::uint32_t>::max());
    if (!pattern) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*pattern));
  }
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  // A negative magnitude may be one more, for -2147483648.
  constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
  const auto magnitude = WholeNumber(text, 10, negative ? kMax + 1 : kMax);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace tintara
