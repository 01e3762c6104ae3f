#pragma once

#include <array>
#include <cstdint>

#include "paint/paint_model.h"

namespace tintara {

// Display pixel (0xFFRRGGBB) for every 8-bit index.
using DisplayTable = std::array<std::uint32_t, 256>;

// Writes every located slot's colour into the mapped colour table at its index.
void WriteSlotColours(PaintModel& model);

// The bitmap's colour table after replacing, for j = 0..255 in ascending order, every entry whose
// current colour equals oldColours[j] by newColours[j] (replacements chain), as display pixels.
// The table has 2^bitsPerPixel entries; those the bitmap's table lacks start black and chain like
// the others, and indices beyond it show black.
DisplayTable MapColourTable(const Bitmap& bitmap, const ColourTable& oldColours,
                            const ColourTable& newColours);

// Draws the bitmap into out (width * height display pixels, rows top to bottom): indexed
// pictures through the table in one pass, deeper pictures as they are.
void DrawThroughTable(const Bitmap& bitmap, const DisplayTable& table, std::uint32_t* out);

// Row y (from the top) of the same drawing: width display pixels into out.
void DrawRowThroughTable(const Bitmap& bitmap, const DisplayTable& table, int y,
                         std::uint32_t* out);

}  // namespace tintara
