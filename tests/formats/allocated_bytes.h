#pragma once

#include <malloc.h>

#include <cstddef>

namespace tintara {

// What the program holds from the allocator at this moment, in bytes: for a bound on what code
// keeps allocated, whatever it allocated on the way.
inline std::size_t AllocatedBytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// What the program holds beyond what it held before; none when it holds less.
inline std::size_t AllocatedSince(std::size_t before) {
  const std::size_t now = AllocatedBytes();
  return now > before ? now - before : 0;
}

}  // namespace tintara
