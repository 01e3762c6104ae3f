#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "paint/picture.h"
#include "paint/recolour.h"
#include "platform/bitmap.h"

namespace tintara {

// The whole factors a skin is saved at: every pixel becomes a square block of that side, so the
// enlarged skin keeps its hard edges and, when indexed, its palette.
inline constexpr std::array<int, 5> kSkinScales{1, 2, 3, 4, 8};

// Whether a picture of width x height, scaled, stays within the pictures the BMP reader takes
// (kMaxBmpPixels), so that the saved skin can be loaded again.
bool ScaledSkinFits(int width, int height, int scale);

// The work bitmap's colour table as painted: one colour per entry the bitmap's table has, taken
// from the table the picture was drawn through. Empty for a picture without a colour table.
std::vector<Colour> PaintedColours(const Bitmap& work, const DisplayTable& paintedTable);

// The painted skin as a bitmap to save, enlarged scale (at least 1) times.
//
// A work bitmap with a colour table gives an 8-bit bitmap with exactly its indices (1- and 4-bit
// pictures are widened, the values kept) and a table of as many entries, each the painted colour
// with the fourth byte as loaded: the saved skin stays a palette picture that can be painted
// again. A deeper work bitmap gives a 24-bit bitmap of the painted picture's pixels.
Bitmap PaintedSkin(const Bitmap& work, const Picture& picture, const DisplayTable& paintedTable,
                   int scale);

}  // namespace tintara
