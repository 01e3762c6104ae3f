#include "design_grid.h"

#include <array>
#include <string>

#include "grid_text.h"
#include "index_grid.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"
#include "palette.h"

namespace tintara::artgen {

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 144;
constexpr int kCellWidth = 11;
constexpr int kCellHeight = 19;

// Reference codes used for the grid's own ink.
constexpr std::uint8_t kWhite = 0;
constexpr std::uint8_t kPaper = 235;
constexpr std::uint8_t kInk = 255;

constexpr std::array<const char*, kGroupCount> kGroupNames = {"BOTTOM", "SKIN", "TOP", "BUCKLE"};

bool IsLight(Colour colour) {
  return 3 * RedOf(colour) + 6 * GreenOf(colour) + BlueOf(colour) > 10 * 140;
}

void DrawCell(IndexGrid& canvas, int left, int top, int slot) {
  const SlotDefinition& definition = kSlots[static_cast<std::size_t>(slot - 1)];
  canvas.FillRect(left, top, kCellWidth, kCellHeight,
                  static_cast<std::uint8_t>(definition.set2Code));
  canvas.FrameRect(left - 1, top - 1, kCellWidth + 2, kCellHeight + 2, kInk);
  const std::string number = std::to_string(slot);
  const std::uint8_t text = IsLight(definition.set2Marker) ? kInk : kWhite;
  DrawText(canvas, left + (kCellWidth - TextWidth(number) + 1) / 2,
           top + (kCellHeight - kGlyphHeight) / 2, number, text);
}

}  // namespace

Bitmap DrawDesignGrid() {
  IndexGrid canvas(kWidth, kHeight, kPaper);
  const std::string title = "DESIGN GRID";
  DrawText(canvas, (kWidth - TextWidth(title)) / 2, 3, title, kInk);
  canvas.Line(4, 10, kWidth - 5, 10, kInk);

  int top = 14;
  for (int group = 1; group <= kGroupCount; ++group) {
    DrawText(canvas, 2, top, kGroupNames[static_cast<std::size_t>(group - 1)], kInk);
    const int cellsTop = top + kGlyphHeight + 3;
    for (int slot = FirstSlotOfGroup(group); slot <= LastSlotOfGroup(group); ++slot) {
      const int column = slot - FirstSlotOfGroup(group);
      DrawCell(canvas, 2 + column * (kCellWidth + 1), cellsTop, slot);
    }
    top = cellsTop + kCellHeight + 5;
  }
  return canvas.ToBitmap(ArtworkPalette(kReferencePalette).entries());
}

}  // namespace tintara::artgen
