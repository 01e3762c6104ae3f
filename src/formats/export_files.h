#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// Files the exports write, all with the same failure: "Cannot create file <path>: <reason>", the
// reason as the platform words it ("the folder does not exist"). Paths are as the operating
// system takes them.
Problem CannotCreate(const std::string& path, const std::string& reason);
// The same failure when the encoder could not make the file's content.
Problem CannotEncode(const std::string& path);

// Writes the file whole, through a temporary file; nothing when done.
[[nodiscard]] std::optional<Problem> WriteExportFile(const std::string& path,
                                                     std::span<const std::uint8_t> bytes);

// A file's new content, made before anything is written, so that the files of many paintings can
// be written as one batch.
struct FileContent {
  std::string path;
  std::vector<std::uint8_t> bytes;
};

// Writes the files as a set: each is written whole into a temporary file beside it, and only once
// all of them are, they take their places, in order. A file that cannot be created (a read-only
// one included) leaves every one of them as it was; so does a signal that ends the program while
// they take their places (see Placement).
[[nodiscard]] std::optional<Problem> WriteFiles(const std::vector<FileContent>& files);

}  // namespace tintara
