#pragma once

#include <cstdint>
#include <string_view>

#include "formats/tiny_font.h"
#include "index_grid.h"

namespace tintara::artgen {

// Draws the text in the program's own small font with its top left corner at (left, top).
void DrawText(IndexGrid& canvas, int left, int top, std::string_view text, std::uint8_t index);

}  // namespace tintara::artgen
