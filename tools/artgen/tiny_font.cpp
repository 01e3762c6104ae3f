#include "tiny_font.h"

#include <array>

namespace tintara::artgen {

namespace {

constexpr int kGlyphWidth = 3;

struct Glyph {
  char character;
  std::array<std::uint8_t, kGlyphHeight> rows;  // three bits per row, the leftmost pixel highest
};

constexpr std::array<Glyph, 38> kGlyphs = {{
    {'0', {0b111, 0b101, 0b101, 0b101, 0b111}}, {'1', {0b010, 0b110, 0b010, 0b010, 0b111}},
    {'2', {0b111, 0b001, 0b111, 0b100, 0b111}}, {'3', {0b111, 0b001, 0b111, 0b001, 0b111}},
    {'4', {0b101, 0b101, 0b111, 0b001, 0b001}}, {'5', {0b111, 0b100, 0b111, 0b001, 0b111}},
    {'6', {0b111, 0b100, 0b111, 0b101, 0b111}}, {'7', {0b111, 0b001, 0b001, 0b010, 0b010}},
    {'8', {0b111, 0b101, 0b111, 0b101, 0b111}}, {'9', {0b111, 0b101, 0b111, 0b001, 0b111}},
    {'A', {0b010, 0b101, 0b111, 0b101, 0b101}}, {'B', {0b110, 0b101, 0b110, 0b101, 0b110}},
    {'C', {0b011, 0b100, 0b100, 0b100, 0b011}}, {'D', {0b110, 0b101, 0b101, 0b101, 0b110}},
    {'E', {0b111, 0b100, 0b110, 0b100, 0b111}}, {'F', {0b111, 0b100, 0b110, 0b100, 0b100}},
    {'G', {0b011, 0b100, 0b101, 0b101, 0b011}}, {'H', {0b101, 0b101, 0b111, 0b101, 0b101}},
    {'I', {0b111, 0b010, 0b010, 0b010, 0b111}}, {'J', {0b001, 0b001, 0b001, 0b101, 0b010}},
    {'K', {0b101, 0b101, 0b110, 0b101, 0b101}}, {'L', {0b100, 0b100, 0b100, 0b100, 0b111}},
    {'M', {0b101, 0b111, 0b111, 0b101, 0b101}}, {'N', {0b110, 0b101, 0b101, 0b101, 0b101}},
    {'O', {0b010, 0b101, 0b101, 0b101, 0b010}}, {'P', {0b110, 0b101, 0b110, 0b100, 0b100}},
    {'Q', {0b010, 0b101, 0b101, 0b110, 0b011}}, {'R', {0b110, 0b101, 0b110, 0b101, 0b101}},
    {'S', {0b011, 0b100, 0b010, 0b001, 0b110}}, {'T', {0b111, 0b010, 0b010, 0b010, 0b010}},
    {'U', {0b101, 0b101, 0b101, 0b101, 0b111}}, {'V', {0b101, 0b101, 0b101, 0b101, 0b010}},
    {'W', {0b101, 0b101, 0b111, 0b111, 0b101}}, {'X', {0b101, 0b101, 0b010, 0b101, 0b101}},
    {'Y', {0b101, 0b101, 0b010, 0b010, 0b010}}, {'Z', {0b111, 0b001, 0b010, 0b100, 0b111}},
    {'-', {0b000, 0b000, 0b111, 0b000, 0b000}}, {'.', {0b000, 0b000, 0b000, 0b000, 0b010}},
}};

const Glyph* FindGlyph(char character) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.character == character) return &glyph;
  }
  return nullptr;
}

}  // namespace

int TextWidth(std::string_view text) {
  return text.empty() ? 0 : static_cast<int>(text.size()) * (kGlyphWidth + 1) - 1;
}

void DrawText(Canvas& canvas, int left, int top, std::string_view text, std::uint8_t index) {
  for (const char character : text) {
    if (const Glyph* glyph = FindGlyph(character)) {
      for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < kGlyphWidth; ++column) {
          if ((glyph->rows[static_cast<std::size_t>(row)] >> (kGlyphWidth - 1 - column)) & 1) {
            canvas.Set(left + column, top + row, index);
          }
        }
      }
    }
    left += kGlyphWidth + 1;
  }
}

}  // namespace tintara::artgen
