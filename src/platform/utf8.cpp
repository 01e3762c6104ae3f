#include "platform/utf8.h"

#include <cstdint>

namespace tintara {
namespace {

// The length of the sequence a lead byte opens, and the bits it contributes; 0 for a byte that
// opens none.
struct Lead {
  int length;
  char32_t bits;
};

Lead LeadOf(std::uint8_t byte) {
  if (byte < 0x80) return {1, byte};
  if (byte >= 0xC2 && byte <= 0xDF) return {2, char32_t(byte & 0x1F)};
  if (byte >= 0xE0 && byte <= 0xEF) return {3, char32_t(byte & 0x0F)};
  if (byte >= 0xF0 && byte <= 0xF4) return {4, char32_t(byte & 0x07)};
  return {0, 0};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  std::u32string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Lead lead = LeadOf(static_cast<std::uint8_t>(text[i]));
    char32_t codePoint = lead.bits;
    int taken = 1;
    while (taken < lead.length && i + std::size_t(taken) < text.size() &&
           (static_cast<std::uint8_t>(text[i + std::size_t(taken)]) & 0xC0) == 0x80) {
      codePoint =
          (codePoint << 6) | (static_cast<std::uint8_t>(text[i + std::size_t(taken)]) & 0x3F);
      ++taken;
    }
    const bool whole = lead.length > 0 && taken == lead.length && codePoint >= kLeast[taken] &&
                       codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
    decoded += whole ? codePoint : kReplacementCharacter;
    i += whole ? std::size_t(taken) : 1;
  }
  return decoded;
}

void AppendUtf8(std::string& text, char32_t codePoint) {
  const auto byte = [&text](char32_t bits) { text += static_cast<char>(bits); };
  if (codePoint < 0x80) {
    byte(codePoint);
  } else if (codePoint < 0x800) {
    byte(0xC0 | (codePoint >> 6));
    byte(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    byte(0xE0 | (codePoint >> 12));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  } else {
    byte(0xF0 | (codePoint >> 18));
    byte(0x80 | ((codePoint >> 12) & 0x3F));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace tintara
