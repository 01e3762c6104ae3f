#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tintara::artgen {

// The sizes of the desktop icon, as the freedesktop icon theme folders name them ("48x48").
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};
// The size of the copy compiled into the program for its window.
inline constexpr int kWindowIconSize = 64;

// The program's icon: the emblem without its backdrop, outlined and centred in a transparent
// square of size x size pixels; at the smallest sizes, a simpler figure drawn for its size. Pixels
// are 0xAARRGGBB, rows top to bottom.
std::vector<std::uint32_t> DrawIcon(int size);

}  // namespace tintara::artgen
