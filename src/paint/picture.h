#pragma once

#include <cstdint>
#include <vector>

#include "platform/jpeg_writer.h"

namespace tintara {

// The picture the user sees: display pixels (0xFFRRGGBB), rows top first, no padding.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  // Makes the picture width x height, its pixels undefined until drawn. When there is not
  // enough memory for them it becomes empty (0 x 0) and says false.
  bool Resize(int newWidth, int newHeight);

  DisplayPixels Pixels() const { return {width, height, pixels, width}; }
};

}  // namespace tintara
