#include "grid_text.h"

namespace tintara::artgen {

void DrawText(IndexGrid& canvas, int left, int top, std::string_view text, std::uint8_t index) {
  for (const char character : text) {
    for (int row = 0; row < kGlyphHeight; ++row) {
      for (int column = 0; column < kGlyphWidth; ++column) {
        if (GlyphInks(character, column, row)) canvas.Set(left + column, top + row, index);
      }
    }
    left += kGlyphAdvance;
  }
}

}  // namespace tintara::artgen
