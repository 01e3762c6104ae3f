#pragma once

#include <chrono>
#include <string>

#include "platform/problem.h"

namespace tintara {

// An advisory lock (flock) on a file that stands beside what it guards, held until it goes. The
// guarded file itself would not do when it is replaced by a rename: the lock would stay on the old
// file. So the lock file is made when missing and never replaced or removed. Locks exclude each
// other per open file, so two holders in one process exclude each other as two programs do.
class FileLock {
 public:
  // Takes the lock on the file at path, waiting at most `patience` for another holder to let go;
  // the problem says why not, in words for the end of a message ("permission denied").
  static Expected<FileLock> Take(const std::string& path, std::chrono::milliseconds patience);

  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&&) = delete;
  ~FileLock();

 private:
  explicit FileLock(int fd) : fd_(fd) {}

  int fd_;
};

}  // namespace tintara
