#include "paint/picture.h"

#include <algorithm>
#include <new>

namespace tintara {

bool Picture::Resize(int newWidth, int newHeight) {
  newWidth = std::max(newWidth, 0);
  newHeight = std::max(newHeight, 0);
  if (newWidth == width && newHeight == height) return true;
  try {
    pixels =
        decltype(pixels)(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight));
  } catch (const std::bad_alloc&) {
    *this = Picture{};
    return false;
  }
  width = newWidth;
  height = newHeight;
  return true;
}

Bitmap TrueColourBitmap(const Picture& picture) {
  Bitmap bitmap;
  bitmap.width = picture.width;
  bitmap.height = picture.height;
  bitmap.bitsPerPixel = 24;
  bitmap.pixels.assign(picture.pixels.begin(), picture.pixels.end());
  return bitmap;
}

}  // namespace tintara
