#pragma once

#include <string>

namespace tintara {

// The folder of the artwork, ending in '/', as the window finds it: beside the program when it is
// there (a portable folder, a build folder), else the installed tree's share/tintara.
std::string ArtworkFolder(const std::string& program);

}  // namespace tintara
