#pragma once

#include <cstdint>
#include <string_view>

#include "canvas.h"
#include "formats/tiny_font.h"

namespace tintara::artgen {

// Draws the text in the program's own small font with its top left corner at (left, top).
void DrawText(Canvas& canvas, int left, int top, std::string_view text, std::uint8_t index);

}  // namespace tintara::artgen
