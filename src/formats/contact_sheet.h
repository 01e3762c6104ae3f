#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/bitmap.h"
#include "platform/problem.h"

namespace tintara {

// A contact sheet: painted pictures side by side in a grid, each under nothing or its label, as
// `tintara sheet` writes it and the window saves a gallery or a comparison.

// The space around the cells and between them, in pixels.
inline constexpr int kSheetGap = 4;

// The sheet's background, a neutral grey that favours no colour of the pictures.
inline constexpr std::uint32_t kSheetBackground = 0xFF808080;

// A cell of the sheet: the size of its picture before scaling, and its label (UTF-8; empty for
// none).
struct SheetCell {
  int width = 0;
  int height = 0;
  std::string label;
};

// The picture of a cell as it is shown painted: a true-colour bitmap of the size its cell was
// given. Any other is left out, its cell left blank.
using CellPainter = std::function<Bitmap(std::size_t cell)>;

// The cells in reading order, `columns` to a row, kSheetGap apart, each picture enlarged `scale`
// times (every pixel a square block) with its top left corner at its cell's, and its label under it
// in the small font, broken at blanks to the cell's width. Every cell is as wide as the widest
// picture of its column and as high as the highest of its row. A true-colour bitmap; or, before any
// picture is painted, the refusal of a sheet larger than a picture may be (kMaxBmpPixels), naming
// its size.
Expected<Bitmap> DrawContactSheet(std::span<const SheetCell> cells, int columns, int scale,
                                  const CellPainter& paint);

// A sheet's size in pixels.
struct SheetSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// The size of the sheet DrawContactSheet would draw of these cells.
SheetSize SheetSizeOf(std::span<const SheetCell> cells, int columns, int scale);

// Whether a picture may be that large: DrawContactSheet refuses any larger.
bool SheetFits(SheetSize size);

// How many times over, one after another, a sheet can hold the cells given and still fit, their
// labels left aside: labels can only make it hold fewer. Found a cell at a time, without a sheet's
// worth of cells, so that a caller can stop reading its cells there.
std::size_t MostSheetRepeats(std::span<const SheetCell> cells, int columns, int scale);

}  // namespace tintara
