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
// Commit brings the data of all of them to the disk, puts each output in its place, in the order
// added, and brings the folders' new entries to the disk, syncing each file system once each
// time. A crash at any moment leaves, under each target's name, its whole old file (or none) or
// its whole new one; a SIGINT, SIGTERM or SIGHUP leaves the files of one output (a picture and its
// page) all old or all new (see Placement).
class FileBatch {
 public:
  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  // Temporary files that were never committed are removed.
  ~FileBatch();

  // Takes the files of one output, staged as by StageFile (on any thread), to be put in their
  // places together.
  void Add(std::vector<StagedFile> output);
  std::size_t size() const { return staged_.size(); }

  // Puts every staged file in its place; for each, in the order added, whether it is there or why
  // not. A sync that fails fails the whole batch: its files keep their old content.
  std::vector<Written> Commit();

 private:
  std::vector<StagedFile> staged_;
  std::vector<std::size_t> outputEnds_;  // where each output's files end in staged_
};

}  // namespace tintara
