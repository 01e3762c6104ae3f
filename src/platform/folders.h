#pragma once

#include <optional>
#include <string>

#include "platform/problem.h"

namespace tintara {

// Makes the folder, and each folder above it that is missing, to write files into. Nothing when
// it is there and may be written into; else the problem, naming the folder that stood in the way
// and why: "Cannot create folder out: a file stands in its place", "Cannot write into folder out:
// permission denied". An empty path is the current folder.
std::optional<Problem> MakeFolderToWriteInto(const std::string& folder);

}  // namespace tintara
