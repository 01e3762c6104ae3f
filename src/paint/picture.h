#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "platform/bitmap.h"
#include "platform/jpeg_writer.h"

namespace tintara {

// Leaves the elements a vector grows by uninitialised: a picture is drawn whole before it is
// shown, and zeroing a large one first costs about as much as drawing it.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  template <class U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Arguments>
  void construct(U* place, Arguments&&... arguments) {
    ::new (static_cast<void*>(place)) U(std::forward<Arguments>(arguments)...);
  }
};

// The picture the user sees: display pixels (0xFFRRGGBB), rows top first, no padding.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t, UninitialisedAllocator<std::uint32_t>> pixels;

  // Makes the picture width x height, its pixels undefined until drawn. When there is not
  // enough memory for them it becomes empty (0 x 0) and says false.
  bool Resize(int newWidth, int newHeight);

  DisplayPixels Pixels() const { return {width, height, pixels, width}; }
};

// The picture as a 24-bit bitmap of its display pixels.
Bitmap TrueColourBitmap(const Picture& picture);

}  // namespace tintara
