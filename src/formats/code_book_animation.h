#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "paint/document.h"
#include "platform/problem.h"

namespace tintara {

// Playing the code book's entries on the picture, and saving them as an animated GIF: a frame an
// entry, shown `rate` times a second.
inline constexpr int kLeastPlayRate = 1;
inline constexpr int kMostPlayRate = 10;
inline constexpr std::array<int, 5> kAnimationScales = {1, 2, 3, 4, 8};

struct AnimatedCodes {
  std::string codes;
  std::string name;  // under the picture when captions are asked for
};

// How long a frame shows at `rate` frames a second, in the hundredths of a second GIF counts.
int FrameDelay(int rate);

// The document's picture painted with each entry's codes in turn (as "Apply Color Codes" paints
// them), in true colours. An entry whose codes stop at a token, or a document with no picture
// with a colour table, gives the problem and no file.
Expected<std::vector<std::uint8_t>> AnimateCodes(const Document& document,
                                                 std::span<const AnimatedCodes> frames, int rate,
                                                 int scale, bool captions);

}  // namespace tintara
