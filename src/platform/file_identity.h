#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tintara {

// What tells one version of a file from another without reading it: a rename that replaces the
// file gives it another inode, a write in place another size or modification time, counted to the
// nanosecond.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at path, a symbolic link followed; none when it cannot be found.
std::optional<FileIdentity> IdentityOf(const std::string& path);

}  // namespace tintara
