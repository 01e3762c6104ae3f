#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/system_reason.h"
#include "platform/translation.h"

namespace tintara {

Expected<FileLock> FileLock::Take(const std::string& path, std::chrono::milliseconds patience) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Problem{SystemReason(errno, FileAction::kCreating), path};
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    if (error == EINTR) continue;
    if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      return Problem{error == EWOULDBLOCK ? Tr("another program holds it")
                                          : SystemReason(error, FileAction::kOpening),
                     path};
    }
    // Holders keep the lock only while they write a small file.
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return FileLock(fd);
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace tintara
