#include "paint/code_string.h"

#include <cstddef>
#include <limits>

namespace tintara {
namespace {

constexpr char kBlank = ' ';
constexpr int kHighestCode = 255;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits up to 32 bits; a value with the top bit set reads as negative.
std::optional<std::int32_t> ParseHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0 || value > (std::numeric_limits<std::uint32_t>::max() >> 4)) {
      return std::nullopt;
    }
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Accumulate the magnitude in 64 bits; the limit admits -2147483648.
  const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + negative;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// Gives the slot the token's value when it is a code; other values change nothing.
void Assign(CodeStringReading& reading, int slot, std::int32_t value, std::string_view token) {
  if (value < 0 || value > kHighestCode) return;
  reading.assignments.push_back({slot, value, std::string(token)});
}

}  // namespace

std::optional<std::int32_t> ParseCodeToken(std::string_view token) {
  if (token.starts_with('$') || token.starts_with('x') || token.starts_with('X')) {
    return ParseHexDigits(token.substr(1));
  }
  if (token.starts_with("0x") || token.starts_with("0X")) return ParseHexDigits(token.substr(2));
  return ParseDecimal(token);
}

CodeStringReading ReadCodeString(std::string_view text) {
  CodeStringReading reading;
  int consumed = 0;
  std::size_t tokenStart = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool atEnd = i == text.size();
    if (!atEnd && text[i] != kBlank) continue;
    const std::string_view token = text.substr(tokenStart, i - tokenStart);
    tokenStart = i + 1;
    if (token.empty() || consumed == kSlotCount) continue;
    // A token closed by a blank takes the next slot; the one closing the text takes the last.
    const int slot = atEnd ? kSlotCount : ++consumed;
    const std::optional<std::int32_t> value = ParseCodeToken(token);
    if (!value) {
      reading.badToken = std::string(token);
      break;
    }
    Assign(reading, slot, *value, token);
  }
  return reading;
}

std::string WriteCodeString(const SlotRecords& slots) {
  std::string text;
  for (const SlotRecord& record : slots) {
    text += std::to_string(record.code);
    text += kBlank;
  }
  return text;
}

void RememberLastCodes(std::string& lastCodes, std::string_view editText) {
  if (editText.find(kDefaultCodeString) == std::string_view::npos) lastCodes = editText;
}

}  // namespace tintara
