#pragma once

#include <string>

namespace tintara {

// This program's path with its symbolic links resolved; empty when the system does not tell it.
std::string ThisProgram();

// The folder of a program's path, ending in '/'.
std::string FolderOf(const std::string& program);

}  // namespace tintara
