#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/interrupt_cleanup.h"
#include "platform/problem.h"

namespace tintara {

// A regular file open for reading, closed when it goes.
class ReadOnlyFile {
 public:
  // Opens a regular file of at most maxBytes bytes. A FIFO, a device or a directory is refused
  // without waiting on it, and a larger file is refused before anything is read. The problem
  // names the path and says why ("the file does not exist").
  static Expected<ReadOnlyFile> Open(const std::string& path, std::size_t maxBytes);

  ReadOnlyFile(ReadOnlyFile&& other) noexcept;
  ReadOnlyFile& operator=(ReadOnlyFile&&) = delete;
  ~ReadOnlyFile();

  // The size when the file was opened; it may shrink or grow while it is read.
  std::size_t size() const { return size_; }

  // Fills the pieces one after another with the bytes from offset on, in as few system calls as
  // it can. How many bytes it read, fewer than the pieces hold only where the file ends, or the
  // problem naming the path.
  Expected<std::size_t> ReadAt(std::size_t offset,
                               std::span<const std::span<std::uint8_t>> pieces) const;

 private:
  ReadOnlyFile(const std::string& path, int fd, std::size_t size);

  std::string path_;
  int fd_;
  std::size_t size_;
};

// Reads what standard input holds next into the piece, waiting for it when there is none yet: how
// many bytes, 0 only where it ends, or the problem.
Expected<std::size_t> ReadStandardInput(std::span<std::uint8_t> piece);

// Reads a whole regular file of at most maxBytes bytes, refused as ReadOnlyFile::Open refuses.
Expected<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// How a write ended: true when it was done, else why not, in words for the end of a message
// ("the folder does not exist", "the file is read-only"; see SystemReason).
struct [[nodiscard]] Written {
  std::string reason;  // empty when done

  explicit operator bool() const { return reason.empty(); }
  friend bool operator==(const Written&, const Written&) = default;
};

// Writes the bytes into a temporary file in the target's directory and renames it over the
// target, so a failed write never leaves the old file half-overwritten. A symbolic link is
// followed: its target is what gets written. An existing file that is not a regular file, or that
// is read-only, is never replaced. When anything failed, the temporary file is removed.
Written WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// New content for a file, written into a temporary file beside it and not yet in its place. The
// temporary file has no name where the file system allows (O_TMPFILE), so that nothing is left
// behind when the writing is cut short; it is named only just before it is renamed into place.
struct StagedFile {
  std::string temp;    // its name, or the pattern of one while it has none
  std::string target;  // with every symbolic link followed
  int fd = -1;         // the temporary file, open until it is in its place
  bool unnamed = false;
  std::optional<FileNode> replaced;  // the file at the target when staged
  int registered = -1;  // its slot among the files an interrupt undoes, once it is being named
};

// The first half of a replace, checked as WriteFileAtomically checks it: the bytes written into a
// temporary file beside the target, with the permissions the target has or a new file gets.
// When it cannot, nothing is left behind and the problem says why, naming the path.
Expected<StagedFile> StageFile(const std::string& path, std::span<const std::uint8_t> bytes);
// The same for content made a piece at a time: the temporary file, empty, then each piece
// appended, on its way to the disk at once so that the sync that ends the batch waits less.
// When a piece could not be written, the file is still the caller's to discard.
Expected<StagedFile> StartStagedFile(const std::string& path);
Written AppendToStagedFile(StagedFile& staged, std::span<const std::uint8_t> bytes);
// Closes and removes a staged file that is not to take its place.
void Discard(StagedFile& staged);
// Renames a staged file, synced, over its target (naming it first when it has no name), or leaves
// the target as it was and says why. Its descriptor stays open for the caller to close.
Written PlaceStagedFile(StagedFile& staged);

// Staged files, synced, put in their places as one, a file a step: each named when it has no name,
// registered for the interrupt handler (interrupt_cleanup.h) before its name exists, and, when
// there are several, exchanged with the file it replaces, which keeps a temporary name until
// Finish. So a SIGINT, SIGTERM or SIGHUP at any moment leaves every target with its old file (or
// none) or every one with its new file, where the file system can exchange two names. A file that
// does not get to its place stays named and registered for the caller to discard.
class Placement {
 public:
  explicit Placement(std::span<StagedFile> files);
  Placement(const Placement&) = delete;
  Placement& operator=(const Placement&) = delete;
  ~Placement();

  // Puts the next file in its place, or says why not.
  Written PlaceNext();
  // From here on an interrupt leaves the files placed; the old files go.
  void Finish();

 private:
  std::span<StagedFile> files_;
  std::size_t next_ = 0;
  int group_;
  std::vector<bool> exchanged_;  // the file's temporary name holds the old file
  bool finished_ = false;
};
// Brings a staged file to the disk, puts it in its place and closes it; or removes it and says why.
Written FinishStagedFile(StagedFile& staged);

}  // namespace tintara
