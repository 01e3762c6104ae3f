#include "platform/shown_text.h"

#include <cstdio>
#include <optional>

namespace tintara {
namespace {

constexpr std::size_t kMostTokenCharacters = 40;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The bidirectional embeddings, overrides and isolates, U+202A..U+202E and U+2066..U+2069, as
// UTF-8: the last byte, or none.
std::optional<unsigned> BidiControlAt(std::string_view text, std::size_t i) {
  if (i + 2 >= text.size() || static_cast<unsigned char>(text[i]) != 0xE2) return std::nullopt;
  const auto second = static_cast<unsigned char>(text[i + 1]);
  const auto third = static_cast<unsigned char>(text[i + 2]);
  if ((second == 0x80 && third >= 0xAA && third <= 0xAE) ||
      (second == 0x81 && third >= 0xA6 && third <= 0xA9)) {
    return 0x2000u + ((second & 0x3Fu) << 6) + (third & 0x3Fu);
  }
  return std::nullopt;
}

}  // namespace

std::string ShownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    char escape[7];
    if (const std::optional<unsigned> bidi = BidiControlAt(text, i)) {
      std::snprintf(escape, sizeof escape, "\\u%04X", *bidi);
      shown += escape;
      i += 2;
    } else if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
    } else {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    }
  }
  return shown;
}

std::string ShownToken(std::string_view token) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (!StartsCharacter(token[i])) continue;
    if (characters++ == kMostTokenCharacters) return ShownText(token.substr(0, i)) + "\u2026";
  }
  return ShownText(token);
}

}  // namespace tintara
