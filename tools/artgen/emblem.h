#pragma once

#include "platform/bitmap.h"

namespace tintara::artgen {

inline constexpr int kEmblemWidth = 62;
inline constexpr int kEmblemHeight = 78;

// The program's emblem for the about box: a rainbow over a painter's palette and brush, on black.
Bitmap DrawEmblem();

}  // namespace tintara::artgen
