#include "platform/interrupt_cleanup.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

namespace tintara {
namespace {

// Enough for two batches of files being written at once.
constexpr std::size_t kSlots = 256;

enum SlotState : int { kFree, kFilling, kHeld };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};

std::array<Slot, kSlots> slots;

extern "C" void RemoveAndEnd(int signal) {
  RemoveRegisteredTemporaryFiles();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void RemoveTemporaryFilesOnInterrupt() {
  std::signal(SIGINT, RemoveAndEnd);
  std::signal(SIGTERM, RemoveAndEnd);
}

int RegisterTemporaryFile(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    int expected = kFree;
    if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].state.store(kHeld);
    return static_cast<int>(i);
  }
  return -1;
}

void ForgetTemporaryFile(int slot) {
  if (slot >= 0 && static_cast<std::size_t>(slot) < slots.size()) {
    slots[static_cast<std::size_t>(slot)].state.store(kFree);
  }
}

void RemoveRegisteredTemporaryFiles() {
  for (Slot& slot : slots) {
    if (slot.state.load() == kHeld) ::unlink(slot.path);
  }
}

}  // namespace tintara
