#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tintara::artgen {

// The icon at 16 and 24 pixels, drawn pixel by pixel for its size: a painter's palette with its
// thumb hole and four dabs of paint, which still reads where the emblem, scaled down, would be a
// blur. Nothing for the other sizes. Pixels are 0xAARRGGBB, rows top to bottom.
std::optional<std::vector<std::uint32_t>> DrawSmallIcon(int size);

}  // namespace tintara::artgen
