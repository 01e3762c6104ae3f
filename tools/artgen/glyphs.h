#pragma once

#include "platform/bitmap.h"

namespace tintara::artgen {

inline constexpr int kGlyphSize = 16;

// The 16 x 16 pictures of the "Restore last color codes" button: an arrow turning back. The
// bottom left pixel holds the background, which the button shows as transparent.
Bitmap DrawRestoreGlyph();
Bitmap DrawRestoreGlyphDisabled();

}  // namespace tintara::artgen
