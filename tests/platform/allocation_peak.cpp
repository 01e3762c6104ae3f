#include "allocation_peak.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace tintara {
namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

void Count(void* block) {
  const std::size_t now = held += malloc_usable_size(block);
  std::size_t before = peak.load();
  while (now > before && !peak.compare_exchange_weak(before, now)) {
  }
}

}  // namespace

AllocationPeak::AllocationPeak() : start_(held.load()) { peak = start_; }

std::size_t AllocationPeak::bytes() const { return peak.load() - start_; }

}  // namespace tintara

// Every form but the aligned ones (not counted) is replaced: a sanitizer's own nothrow or array
// form beside these would hand out blocks that these free, which it reports as a mismatch.
void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  tintara::Count(block);
  return block;
}

void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  tintara::held -= malloc_usable_size(block);
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void* operator new[](std::size_t size) { return operator new(size); }

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}

void operator delete(void* block, const std::nothrow_t&) noexcept { operator delete(block); }
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { operator delete(block); }
