// Reads the input as a code string typed by the user and checks what ReadCodeString makes of it
// against the tokens of the text; the canonical string written from the result, and from codes
// taken from the input's bytes, must read back to the same codes. A violated invariant aborts.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "invariant.h"
#include "paint/code_string.h"
#include "paint/slot_tables.h"

namespace {

constexpr std::size_t kNone = std::string_view::npos;

struct Token {
  std::string_view text;
  bool blankAfter;
};

// The non-empty runs between blanks (code 32 only), each with whether a blank ends it.
std::vector<Token> SplitTokens(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t blank = text.find(' ', start);
    const std::size_t end = blank == kNone ? text.size() : blank;
    if (end > start) tokens.push_back({text.substr(start, end - start), blank != kNone});
    start = end + 1;
  }
  return tokens;
}

// The slot a token names: the n-th blank-terminated token slot n, a final one slot 16.
int SlotOf(const std::vector<Token>& tokens, std::size_t index) {
  return tokens[index].blankAfter ? static_cast<int>(index) + 1 : tintara::kSlotCount;
}

// What a token's digits say, written the way the value prints ("$" and upper-case hexadecimal,
// or decimal); nothing when the token is not a number of 32 bits.
std::optional<std::string> Expected(std::string_view token) {
  bool hex = true;
  if (token.starts_with('$') || token.starts_with('x') || token.starts_with('X')) {
    token.remove_prefix(1);
  } else if (token.starts_with("0x") || token.starts_with("0X")) {
    token.remove_prefix(2);
  } else {
    hex = false;
  }
  bool negative = false;
  if (!hex && (token.starts_with('+') || token.starts_with('-'))) {
    negative = token.front() == '-';
    token.remove_prefix(1);
  }
  const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
  if (token.empty() || token.find_first_not_of(allowed) != kNone) return std::nullopt;
  const std::size_t first = token.find_first_not_of('0');
  std::string digits(first == kNone ? "0" : token.substr(first));
  if (hex) {
    if (digits.size() > 8) return std::nullopt;
    for (char& c : digits) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "$" + digits;
  }
  const std::string_view limit = negative ? "2147483648" : "2147483647";
  if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) {
    return std::nullopt;
  }
  return (negative && digits != "0" ? "-" : "") + digits;
}

std::string Hexadecimal(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "$%X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return text;
}

void CheckToken(std::string_view token) {
  const std::optional<std::int32_t> value = tintara::ParseCodeToken(token);
  const std::optional<std::string> expected = Expected(token);
  Check(value.has_value() == expected.has_value(),
        "a token is a number exactly when its digits make one of 32 bits");
  if (!value) return;
  Check(*expected == (expected->starts_with('$') ? Hexadecimal(*value) : std::to_string(*value)),
        "a token's value is what its digits say");
  Check(tintara::ParseCodeToken(std::to_string(*value)) == value,
        "a number reads the same from its decimal form");
  Check(tintara::ParseCodeToken(Hexadecimal(*value)) == value,
        "a number reads the same from its hexadecimal form");
}

void CheckReading(std::string_view text, const tintara::CodeStringReading& reading) {
  const std::vector<Token> tokens = SplitTokens(text);
  for (const Token& token : tokens) CheckToken(token.text);
  CheckToken(text);

  Check(reading.assignments.size() <= tintara::kSlotCount, "at most 16 assignments");
  // Where each assignment's token is among the tokens; they apply in the order they were typed.
  std::size_t next = 0;
  int lastSlot = 0;
  for (const tintara::SlotAssignment& assignment : reading.assignments) {
    Check(assignment.slot >= 1 && assignment.slot <= tintara::kSlotCount, "slots are 1..16");
    Check(assignment.code >= 0 && assignment.code <= 255, "codes are 0..255");
    Check(assignment.slot > lastSlot, "each slot is given once, in slot order");
    lastSlot = assignment.slot;
    Check(tintara::ParseCodeToken(assignment.token) == assignment.code,
          "the code is the value of its token");
    while (next < tokens.size() &&
           (tokens[next].text != assignment.token || SlotOf(tokens, next) != assignment.slot)) {
      // A token passed over is one that changes nothing: a value outside 0..255.
      const auto skipped = tintara::ParseCodeToken(tokens[next].text);
      Check(skipped && (*skipped < 0 || *skipped > 255),
            "every token before an assigned one is a number, and a code only when assigned");
      ++next;
    }
    Check(next < tokens.size(), "the token is kept as typed, in the slot it names");
    ++next;
  }
  // The tokens after the last assignment that still name a slot: numbers outside 0..255 up to
  // the first one that is not a number, where reading stops.
  for (; next < tokens.size() && next < tintara::kSlotCount; ++next) {
    const auto value = tintara::ParseCodeToken(tokens[next].text);
    if (!value) {
      Check(reading.badToken == tokens[next].text, "reading stops at a token that is no number");
      return;
    }
    Check(*value < 0 || *value > 255, "every code typed is assigned");
  }
  Check(!reading.badToken, "the bad token is one typed in a slot");
}

// Writes the codes, reads them back: every code of 0..255 returns in its slot, as its decimal.
void CheckRoundTrip(const tintara::SlotRecords& slots) {
  const std::string text = tintara::WriteCodeString(slots);
  Check(SplitTokens(text).size() == tintara::kSlotCount && text.ends_with(' '),
        "the written string is 16 codes each followed by a blank");
  const tintara::CodeStringReading reading = tintara::ReadCodeString(text);
  Check(!reading.badToken, "a written string reads without a bad token");
  std::size_t next = 0;
  for (int slot = 1; slot <= tintara::kSlotCount; ++slot) {
    const std::int32_t code = slots[static_cast<std::size_t>(slot - 1)].code;
    if (code < 0 || code > 255) continue;
    const tintara::SlotAssignment expected{slot, code, std::to_string(code)};
    Check(next < reading.assignments.size() && reading.assignments[next] == expected,
          "a written code reads back in its slot");
    ++next;
  }
  Check(next == reading.assignments.size(), "a written string gives nothing else");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tintara::CodeStringReading reading = tintara::ReadCodeString(text);
  CheckReading(text, reading);

  tintara::SlotRecords slots{};
  for (const tintara::SlotAssignment& assignment : reading.assignments) {
    slots[static_cast<std::size_t>(assignment.slot - 1)].code = assignment.code;
  }
  CheckRoundTrip(slots);

  // Any 32-bit codes, negative and large ones included, from the input's first bytes.
  tintara::SlotRecords raw{};
  for (std::size_t i = 0; i < raw.size() && (i + 1) * 4 <= size; ++i) {
    std::memcpy(&raw[i].code, data + i * 4, 4);
  }
  CheckRoundTrip(raw);

  std::string lastCodes = "1 2 3";
  tintara::RememberLastCodes(lastCodes, text);
  const bool isDefault = text.find(tintara::kDefaultCodeString) != kNone;
  Check(lastCodes == (isDefault ? std::string_view("1 2 3") : text),
        "the last codes change only to a text without the default codes");
  return 0;
}
