#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/file_io.h"

namespace tintara {

// Many files replaced as one batch, as WriteFileAtomically replaces one, with a few syncs in all
// instead of one a file: each file is written into a temporary file beside it when staged, and
// Commit brings the data of all of them to the disk, renames each into its place and brings the
// folders' new entries to the disk, syncing each file system once each time. A crash at any
// moment leaves, under each target's name, its whole old file (or none) or its whole new one; a
// SIGINT, SIGTERM or SIGHUP leaves them all old or all new (see Placement).
class FileBatch {
 public:
  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  // Temporary files that were never committed are removed.
  ~FileBatch();

  // Writes the bytes for the file at path, or leaves nothing behind and says why.
  Written Stage(const std::string& path, std::span<const std::uint8_t> bytes);
  // Takes a file staged elsewhere, as by StageFile on another thread.
  void Add(StagedFile staged);
  std::size_t size() const { return staged_.size(); }

  // Puts every staged file in its place; for each, in the order staged, whether it is there or
  // why not. A sync that fails fails the whole batch: its files keep their old content.
  std::vector<Written> Commit();

 private:
  std::vector<StagedFile> staged_;
};

}  // namespace tintara
