#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// Reads a regular file of at most maxBytes bytes. A FIFO, a device or a directory is refused
// without waiting on it, and a larger file is refused before anything is allocated for it. The
// problem names the path and says why ("the file does not exist").
Expected<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Writes the bytes into a temporary file in the target's directory and renames it over the
// target, so a failed write never leaves the old file half-overwritten. A symbolic link is
// followed: its target is what gets written. An existing file that is not a regular file, or that
// is read-only, is never replaced. False when anything failed; the temporary file is then removed.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// New content for a file, written into a temporary file beside it and not yet in its place.
struct StagedFile {
  std::string temp;
  std::string target;  // with every symbolic link followed
  int fd = -1;         // the temporary file, open until it is synced
};

// The first half of a replace, checked as WriteFileAtomically checks it: the bytes written into a
// temporary file beside the target, with the permissions the target has or a new file gets.
// Nothing, and nothing left behind, when it cannot.
std::optional<StagedFile> StageFile(const std::string& path, std::span<const std::uint8_t> bytes);
// Closes and removes a staged file that is not to take its place.
void Discard(StagedFile& staged);

}  // namespace tintara
