#include "platform/shown_text.h"

#include <cstdio>

namespace tintara {
namespace {

constexpr std::size_t kMostTokenCharacters = 40;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::string ShownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
      continue;
    }
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    shown += escape;
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
