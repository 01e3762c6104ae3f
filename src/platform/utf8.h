#pragma once

#include <string>
#include <string_view>

namespace tintara {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code points of UTF-8 text. Each byte that does not belong to a well-formed sequence (an
// overlong form, a surrogate, a value beyond Unicode, a cut sequence) reads as one replacement
// character.
std::u32string DecodeUtf8(std::string_view text);

// Appends the code point as UTF-8.
void AppendUtf8(std::string& text, char32_t codePoint);

}  // namespace tintara
