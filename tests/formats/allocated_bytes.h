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

}  // namespace tintara
