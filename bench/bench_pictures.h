#pragma once

#include "paint/paint_model.h"
#include "platform/bitmap.h"

namespace tintara {

struct PictureSize {
  int width;
  int height;
};

inline constexpr PictureSize kSkinSize{55, 144};
inline constexpr PictureSize kSquare1024{1024, 1024};
inline constexpr PictureSize kSquare4096{4096, 4096};

// A deterministic 8-bit picture like a painted sprite: blocks of constant colour with some noise,
// every index 0..255 in use, and the set 1 markers in its colour table at positions 100..115.
Bitmap SpritePicture(PictureSize size);

// A model that has just loaded the picture and whose slots have been given codes.
PaintModel PaintedModel(PictureSize size);

}  // namespace tintara
