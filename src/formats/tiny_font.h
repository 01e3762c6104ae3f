#pragma once

#include <string>
#include <string_view>

namespace tintara {

// A 3 x 5 pixel font of printable ASCII for the captions drawn into pictures, one blank column
// between characters. Other characters are drawn blank.
inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

// The text (UTF-8) as the font draws it: a character beyond ASCII is one '?'.
std::string FontText(std::string_view text);

// The width of the text in pixels, without the blank column after its last character.
int TextWidth(std::string_view text);

// Whether the character inks pixel (x, y) of its glyph, x from 0 to kGlyphWidth - 1 and y from 0
// to kGlyphHeight - 1; false outside the glyph.
bool GlyphInks(char character, int x, int y);

}  // namespace tintara
