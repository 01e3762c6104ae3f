#pragma once

#include <cstdint>

#include "platform/bitmap.h"

namespace tintara::artgen {

inline constexpr int kEmblemWidth = 62;
inline constexpr int kEmblemHeight = 78;
// The colour-table entry of the black backdrop around the figure.
inline constexpr std::uint8_t kEmblemBackdrop = 0;

// The program's emblem for the about box: a rainbow over a painter's palette and brush, on black.
Bitmap DrawEmblem();
// The same with a dark line around the figure, so that it stands out on any background once the
// backdrop is made transparent.
Bitmap DrawOutlinedEmblem();

}  // namespace tintara::artgen
