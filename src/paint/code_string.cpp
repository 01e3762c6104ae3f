#include "paint/code_string.h"

#include <array>
#include <charconv>
#include <cstddef>

#include "platform/filled_text.h"
#include "platform/number_reader.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr char kBlank = ' ';
constexpr int kHighestCode = 255;

// Gives the slot the token's value when it is a code; other values change nothing.
void Assign(CodeStringReading& reading, int slot, std::int32_t value, std::string_view token) {
  if (value < 0 || value > kHighestCode) return;
  reading.assignments.push_back({slot, value, std::string(token)});
}

}  // namespace

std::string BadTokenMessage(std::string_view token) {
  return Filled(Tr("'%s' is not a valid integer value"), {ShownToken(token)});
}

std::optional<std::int32_t> ParseCodeToken(std::string_view token) {
  return ParseInt32(token, HexPrefixes::DollarXOr0x);
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

// Written into place and made a string once: every edit writes it, and the gallery once for each
// of its pictures.
std::string WriteCodeString(const SlotRecords& slots) {
  constexpr std::size_t kLongestCode = 11;  // "-2147483648"
  std::array<char, kSlotCount*(kLongestCode + 1)> text;
  char* end = text.data();
  for (const SlotRecord& record : slots) {
    end = std::to_chars(end, text.data() + text.size(), record.code).ptr;
    *end++ = kBlank;
  }
  return std::string(text.data(), end);
}

void RememberLastCodes(std::string& lastCodes, std::string_view editText) {
  if (editText.find(kDefaultCodeString) == std::string_view::npos) lastCodes = editText;
}

}  // namespace tintara
