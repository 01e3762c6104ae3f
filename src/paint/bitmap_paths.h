#pragma once

#include <string>
#include <string_view>

namespace tintara {

// The full path of the grid file: a path that names its own place (a drive colon, or an absolute
// path on this system) is used unchanged; a bare catalogue name is taken from the program
// directory.
std::string GridPath(std::string_view programDirectory, std::string_view gridFile);

// The radio caption for a bitmap the user loaded: its file name cut before the first ".", the
// first letter upper-case and the others lower-case (ASCII letters only).
std::string OtherBitmapCaption(std::string_view path);

}  // namespace tintara
