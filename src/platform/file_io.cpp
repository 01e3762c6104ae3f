#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/interrupt_cleanup.h"
#include "platform/system_reason.h"
#include "platform/translation.h"

namespace tintara {
namespace {

std::string OpeningReason(int error) { return SystemReason(error, FileAction::kOpening); }

std::string CreatingReason(int error) { return SystemReason(error, FileAction::kCreating); }

Written WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return {CreatingReason(errno)};
    if (written == 0) return {CreatingReason(EIO)};
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return {};
}

// The file a path names once every symbolic link on the way is followed, with its status when it
// exists, or the problem for a loop or a link that cannot be read. A link to a file that does not
// exist yet names that file. A path that is no link costs one call.
struct FollowedPath {
  std::filesystem::path path;
  std::optional<struct stat> status;
};
Expected<FollowedPath> FollowLinks(std::filesystem::path path) {
  constexpr int kMostLinks = 40;
  for (int followed = 0; followed <= kMostLinks; ++followed) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return Problem{CreatingReason(errno)};
      return FollowedPath{std::move(path), std::nullopt};
    }
    if (!S_ISLNK(st.st_mode)) return FollowedPath{std::move(path), st};
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return Problem{CreatingReason(error.value())};
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return Problem{CreatingReason(ELOOP)};
}

// The mask can only be read by setting it, so it is read once, before files are made on several
// threads.
mode_t FileCreationMask() {
  static const mode_t mask = [] {
    const mode_t current = ::umask(0);
    ::umask(current);
    return current;
  }();
  return mask;
}

// Why an existing file is not replaced, or nothing when it may be. A file the user marked
// read-only stays as it is, also for a user who could write it anyway. The user's own file is
// writable by its mode; only another's needs the system asked.
std::optional<std::string> ReplaceRefusal(const struct stat& st, const std::string& path) {
  if (S_ISDIR(st.st_mode)) return Tr(kIsAFolder);
  if (!S_ISREG(st.st_mode)) return Tr(kNotARegularFile);
  if ((st.st_mode & 0222) == 0) return Tr(kReadOnlyFile);
  static const uid_t user = ::geteuid();
  if (st.st_uid == user && (st.st_mode & S_IWUSR) != 0) return std::nullopt;
  if (::access(path.c_str(), W_OK) != 0) return CreatingReason(errno);
  return std::nullopt;
}

// Bits for the temporary file names: one draw from the system, then a counter mixed
// (splitmix64), so that naming a file costs no call of its own.
std::uint64_t NameBits() {
  static const std::uint64_t seed = [] {
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != sizeof bits) {
      bits =
          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    return bits;
  }();
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t z = seed + ++counter * 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// The pattern with its trailing Xs replaced by random letters and digits.
std::string FreshName(std::string pattern) {
  static constexpr std::string_view kCharacters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::uint64_t bits = NameBits();
  for (std::size_t at = pattern.size(); at > 0 && pattern[at - 1] == 'X'; --at) {
    pattern[at - 1] = kCharacters[bits % kCharacters.size()];
    bits /= kCharacters.size();
  }
  return pattern;
}

// The name through which a file without one is linked into a folder.
std::string DescriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// Gives a staged file without a name one, as a file is renamed over its target, never linked
// over it. The name is registered for the interrupt handler before it exists, so that no moment
// leaves it behind.
Written NameStagedFile(StagedFile& staged) {
  const std::string self = DescriptorPath(staged.fd);
  int error = EEXIST;
  for (int attempt = 0; attempt < 8 && error == EEXIST; ++attempt) {
    std::string name = FreshName(staged.temp);
    if (staged.registered < 0) {
      staged.registered = RegisterTemporaryFile(name, staged.target, staged.fd);
    } else {
      RenameTemporaryFile(staged.registered, name);
    }
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      staged.temp = std::move(name);
      staged.unnamed = false;
      return {};
    }
    error = errno;
  }
  ForgetTemporaryFile(std::exchange(staged.registered, -1));
  return {CreatingReason(error)};
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::string& path, int fd, std::size_t size)
    : path_(path), fd_(fd), size_(size) {}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

ReadOnlyFile::~ReadOnlyFile() {
  if (fd_ >= 0) ::close(fd_);
}

Expected<ReadOnlyFile> ReadOnlyFile::Open(const std::string& path, std::size_t maxBytes) {
  const auto Refused = [&path](std::string why) { return Problem{std::move(why), path}; };
  // Non-blocking, so that opening a FIFO without a writer returns at once.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Refused(OpeningReason(errno));
  ReadOnlyFile file(path, fd, 0);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return Refused(OpeningReason(errno));
  if (!S_ISREG(st.st_mode)) return Refused(Tr("not a regular file"));
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
    return Refused(Tr("the file is too large"));
  file.size_ = static_cast<std::size_t>(st.st_size);
  return file;
}

Expected<std::size_t> ReadOnlyFile::ReadAt(std::size_t offset,
                                           std::span<const std::span<std::uint8_t>> pieces) const {
  std::array<iovec, IOV_MAX> vectors;
  std::size_t done = 0;
  std::size_t filled = 0;  // bytes of the first piece read before
  while (!pieces.empty()) {
    const std::size_t count = std::min(pieces.size(), vectors.size());
    for (std::size_t i = 0; i < count; ++i) vectors[i] = {pieces[i].data(), pieces[i].size()};
    vectors[0] = {pieces[0].data() + filled, pieces[0].size() - filled};
    const ssize_t got =
        ::preadv(fd_, vectors.data(), static_cast<int>(count), static_cast<off_t>(offset + done));
    if (got < 0) return Problem{OpeningReason(errno), path_};
    if (got == 0) break;  // the file ended, perhaps shrinking since it was opened
    done += static_cast<std::size_t>(got);
    filled += static_cast<std::size_t>(got);
    while (!pieces.empty() && filled >= pieces.front().size()) {
      filled -= pieces.front().size();
      pieces = pieces.subspan(1);
    }
  }
  return done;
}

Expected<std::size_t> ReadStandardInput(std::span<std::uint8_t> piece) {
  while (true) {
    const ssize_t got = ::read(STDIN_FILENO, piece.data(), piece.size());
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return Problem{OpeningReason(errno)};
  }
}

Expected<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path, maxBytes);
  if (!file) return std::move(file).problem();
  std::vector<std::uint8_t> bytes(file->size());
  const std::span<std::uint8_t> whole(bytes);
  const Expected<std::size_t> read = file->ReadAt(0, {&whole, 1});
  if (!read) return read.problem();
  bytes.resize(*read);
  return bytes;
}

Expected<StagedFile> StartStagedFile(const std::string& path) {
  const auto Refused = [&path](std::string why) { return Problem{std::move(why), path}; };
  Expected<FollowedPath> followed = FollowLinks(path);
  if (!followed) return Refused(std::move(followed).problem().message);
  StagedFile staged;
  staged.target = followed->path.string();
  // New files get the usual permissions; a replaced file keeps its own.
  mode_t mode = 0666 & ~FileCreationMask();
  if (const std::optional<struct stat>& st = followed->status) {
    if (std::optional<std::string> refusal = ReplaceRefusal(*st, staged.target)) {
      return Refused(std::move(*refusal));
    }
    mode = st->st_mode & 07777;
    staged.replaced = FileNode{st->st_dev, st->st_ino};
  }
  // A short name, so that a target name near the length limit still leaves room for it.
  const std::filesystem::path directory = followed->path.parent_path();
  const std::filesystem::path folder = directory.empty() ? std::filesystem::path(".") : directory;
  staged.temp = folder / ".tintara-XXXXXX";
  // A file without a name until it is whole: a write cut short by a crash or a signal leaves
  // nothing behind. A file system that has no such files gets a named one.
  // Made with its permissions where the mask leaves them, as it usually does.
  staged.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  staged.unnamed = staged.fd >= 0;
  mode_t made = mode & ~FileCreationMask();
  if (!staged.unnamed) {
    // Its error tells why: the unnamed file's may only say that the file system has none.
    staged.fd = ::mkstemp(staged.temp.data());
    if (staged.fd < 0) return Refused(CreatingReason(errno));
    staged.registered = RegisterTemporaryFile(staged.temp, staged.target, staged.fd);
    made = 0600;
  }
  if (made != mode && ::fchmod(staged.fd, mode) != 0) {
    const int error = errno;
    Discard(staged);
    return Refused(CreatingReason(error));
  }
  return staged;
}

Written AppendToStagedFile(StagedFile& staged, std::span<const std::uint8_t> bytes) {
  const off_t start = ::lseek(staged.fd, 0, SEEK_CUR);
  if (Written written = WriteAll(staged.fd, bytes); !written) return written;
  // Only a start: the sync that puts the file in place waits for the rest. A file system that
  // cannot start it early is no failure.
  ::sync_file_range(staged.fd, start, static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
  return {};
}

Expected<StagedFile> StageFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  Expected<StagedFile> staged = StartStagedFile(path);
  if (!staged) return staged;
  if (Written written = WriteAll(staged->fd, bytes); !written) {
    Discard(*staged);
    return Problem{std::move(written.reason), path};
  }
  return staged;
}

// The descriptor is closed last: the interrupt handler tells the file by it while it is registered.
void Discard(StagedFile& staged) {
  if (!staged.unnamed) ::unlink(staged.temp.c_str());
  ForgetTemporaryFile(std::exchange(staged.registered, -1));
  if (staged.fd >= 0) ::close(staged.fd);
  staged.fd = -1;
}

Placement::Placement(std::span<StagedFile> files)
    : files_(files), group_(BeginPlacing()), exchanged_(files.size()) {}

Placement::~Placement() { Finish(); }

Written Placement::PlaceNext() {
  const std::size_t index = next_++;
  StagedFile& staged = files_[index];
  // A new file on its own takes its name in one step, as a whole file: there is nothing to undo.
  // Where a file took the name since it was staged, it is replaced as any other.
  if (staged.unnamed && !staged.replaced && files_.size() == 1 &&
      ::linkat(AT_FDCWD, DescriptorPath(staged.fd).c_str(), AT_FDCWD, staged.target.c_str(),
               AT_SYMLINK_FOLLOW) == 0) {
    staged.unnamed = false;
    staged.temp.clear();
    return {};
  }
  if (staged.unnamed) {
    if (Written named = NameStagedFile(staged); !named) return named;
  }
  // One file is in its place or not after a rename; of several, each old one is kept until all
  // are in place, under the name the new one leaves. Which file is old is known from staging.
  if (files_.size() > 1) {
    const FileNode* old = staged.replaced ? &*staged.replaced : nullptr;
    ExchangingTarget(staged.registered, group_, old);
    if (old != nullptr && ::renameat2(AT_FDCWD, staged.temp.c_str(), AT_FDCWD,
                                      staged.target.c_str(), RENAME_EXCHANGE) == 0) {
      exchanged_[index] = true;
      return {};
    }
  }
  // Also where the file system cannot exchange names: the old file then goes at once.
  if (std::rename(staged.temp.c_str(), staged.target.c_str()) != 0) return {CreatingReason(errno)};
  staged.temp.clear();
  return {};
}

void Placement::Finish() {
  if (finished_) return;
  finished_ = true;
  MarkPlaced(group_);
  for (std::size_t i = 0; i < next_; ++i) {
    StagedFile& staged = files_[i];
    if (exchanged_[i]) {
      ::unlink(staged.temp.c_str());
      staged.temp.clear();
    }
    if (staged.temp.empty()) ForgetTemporaryFile(std::exchange(staged.registered, -1));
  }
  EndPlacing(group_);
}

Written PlaceStagedFile(StagedFile& staged) {
  Placement placement({&staged, 1});
  return placement.PlaceNext();
}

Written FinishStagedFile(StagedFile& staged) {
  Written placed =
      ::fsync(staged.fd) == 0 ? PlaceStagedFile(staged) : Written{CreatingReason(errno)};
  if (!placed) {
    Discard(staged);
    return placed;
  }
  if (::close(std::exchange(staged.fd, -1)) != 0) return {CreatingReason(errno)};
  return {};
}

Written WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  Expected<StagedFile> staged = StageFile(path, bytes);
  if (!staged) return {std::move(staged).problem().message};
  return FinishStagedFile(*staged);
}

}  // namespace tintara
