#pragma once

#include <cstddef>

namespace tintara {

// The most memory held at once through operator new while it lives, over what was held when it
// began: what a piece of code allocates, measured without timing it. The test program's operator
// new counts for it (allocation_peak.cpp).
class AllocationPeak {
 public:
  AllocationPeak();
  std::size_t bytes() const;

 private:
  std::size_t start_;
};

}  // namespace tintara
