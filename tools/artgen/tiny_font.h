#pragma once

#include <cstdint>
#include <string_view>

#include "canvas.h"

namespace tintara::artgen {

// Capital letters, digits, '-' and '.', 3 x 5 pixels each, one blank column between characters.
inline constexpr int kGlyphHeight = 5;

int TextWidth(std::string_view text);

// Draws the text with its top left corner at (left, top); characters the font lacks stay blank.
void DrawText(Canvas& canvas, int left, int top, std::string_view text, std::uint8_t index);

}  // namespace tintara::artgen
