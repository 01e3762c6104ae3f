#include "platform/interrupt_cleanup.h"

#include <poll.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace tintara {
namespace {

// Enough for two batches of files being written at once.
constexpr std::size_t kSlots = 256;
// Threads putting files in their places at once.
constexpr std::size_t kGroups = 16;

enum SlotState : int { kFree, kFilling, kHeld };

// What putting back means for a file's target.
enum Undo : int {
  kNothing,          // its old file goes when it is renamed into place
  kPutOldBack,       // the old file, under the temporary name once exchanged, goes back
  kRemoveNewTarget,  // there was no file: the new one goes
};

// Only what the handler reads without allocating: fixed arrays, atomics, plain numbers. All zero
// at start, so that the two megabytes of slots cost a process nothing until a file is written;
// a slot's other fields are set when it is taken.
struct Slot {
  std::atomic<int> state{kFree};
  std::atomic<int> group{0};
  std::atomic<int> undo{kNothing};
  int staged = 0;  // the staged file's descriptor
  FileNode old;
  char temp[PATH_MAX]{};
  char target[PATH_MAX]{};
};

struct Group {
  std::atomic<bool> taken{false};
  std::atomic<bool> placing{false};
  std::atomic<const void*> thread{nullptr};
};

constinit std::array<Slot, kSlots> slots;
constinit std::array<Group, kGroups> groups;
constinit std::atomic<bool> ending{false};

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

bool Names(const char* path, FileNode file) {
  struct stat st {};
  return ::lstat(path, &st) == 0 && st.st_dev == file.device && st.st_ino == file.inode;
}

bool Names(const char* path, int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 && Names(path, FileNode{st.st_dev, st.st_ino});
}

void Copy(char (&into)[PATH_MAX], const std::string& path) {
  std::memcpy(into, path.c_str(), path.size() + 1);
}

// Each step only while the names still stand for the files registered.
void Undo(Slot& slot, bool putBack) {
  const int undo = slot.undo.load();
  if (putBack && undo == kPutOldBack && Names(slot.temp, slot.old)) {
    ::rename(slot.temp, slot.target);
  }
  if (putBack && undo == kRemoveNewTarget && Names(slot.target, slot.staged)) {
    ::unlink(slot.target);
  }
  if (Names(slot.temp, slot.staged) || (undo == kPutOldBack && Names(slot.temp, slot.old))) {
    ::unlink(slot.temp);
  }
}

// Which thread runs: the address of a variable every thread has its own of. It costs no system
// call, and unlike a thread id kept from an earlier call it stays right in a child made by fork,
// whose one thread has the address of the thread that forked.
const void* ThisThread() {
  thread_local char marker = 0;
  return &marker;
}

// Async-signal-safe: fstat, lstat, rename, unlink, poll and atomics on data prepared beforehand.
void UndoUnfinishedWrites() {
  ending.store(true);
  const void* self = ThisThread();
  // A group placed on another thread is let finish: that thread cannot be stopped half-way.
  for (Group& group : groups) {
    while (group.placing.load() && group.thread.load() != self) ::poll(nullptr, 0, 1);
  }
  for (Slot& slot : slots) {
    if (slot.state.load() != kHeld) continue;
    const int group = slot.group.load();
    const bool ours = group >= 0 && groups[static_cast<std::size_t>(group)].placing.load() &&
                      groups[static_cast<std::size_t>(group)].thread.load() == self;
    Undo(slot, ours);
  }
}

extern "C" void UndoAndEnd(int signal) {
  UndoUnfinishedWrites();
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  ::sigaction(signal, &standard, nullptr);
  // Delivered, with its usual effect, as the handler returns.
  ::raise(signal);
}

Slot* SlotAt(int slot) {
  return slot >= 0 && static_cast<std::size_t>(slot) < slots.size()
             ? &slots[static_cast<std::size_t>(slot)]
             : nullptr;
}

}  // namespace

void RemoveTemporaryFilesOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = UndoAndEnd;
  sigemptyset(&action.sa_mask);
  for (const int signal : kSignals) sigaddset(&action.sa_mask, signal);
  for (const int signal : kSignals) {
    // A signal the process was started to ignore (nohup) stays ignored.
    struct sigaction before {};
    if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
}

int RegisterTemporaryFile(const std::string& temp, const std::string& target, int fd) {
  if (temp.size() >= PATH_MAX || target.size() >= PATH_MAX) return -1;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    Slot& slot = slots[i];
    int expected = kFree;
    if (!slot.state.compare_exchange_strong(expected, kFilling)) continue;
    slot.group.store(-1);
    slot.undo.store(kNothing);
    slot.staged = fd;
    Copy(slot.temp, temp);
    Copy(slot.target, target);
    slot.state.store(kHeld);
    return static_cast<int>(i);
  }
  return -1;
}

void RenameTemporaryFile(int slot, const std::string& temp) {
  Slot* held = SlotAt(slot);
  if (held == nullptr) return;
  // Neither name exists while the slot is being filled: the handler misses nothing.
  held->state.store(kFilling);
  if (temp.size() < PATH_MAX) Copy(held->temp, temp);
  held->state.store(kHeld);
}

void ForgetTemporaryFile(int slot) {
  if (Slot* held = SlotAt(slot)) held->state.store(kFree);
}

int BeginPlacing() {
  while (true) {
    for (std::size_t i = 0; i < groups.size(); ++i) {
      Group& group = groups[i];
      bool expected = false;
      if (!group.taken.compare_exchange_strong(expected, true)) continue;
      group.thread.store(ThisThread());
      group.placing.store(true);
      // Either the handler sees the group placing and waits for it, or this sees the end coming
      // and places nothing.
      if (ending.load()) {
        group.placing.store(false);
        while (true) ::pause();
      }
      return static_cast<int>(i);
    }
    ::sched_yield();  // every group is taken: one is done soon
  }
}

void MarkPlaced(int group) { groups[static_cast<std::size_t>(group)].placing.store(false); }

void EndPlacing(int group) { groups[static_cast<std::size_t>(group)].taken.store(false); }

void ExchangingTarget(int slot, int group, const FileNode* old) {
  Slot* held = SlotAt(slot);
  if (held == nullptr) return;
  if (old != nullptr) held->old = *old;
  held->group.store(group);
  held->undo.store(old != nullptr ? kPutOldBack : kRemoveNewTarget);
}

}  // namespace tintara
