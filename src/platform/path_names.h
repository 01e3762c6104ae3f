#pragma once

#include <string>
#include <string_view>

namespace tintara {

// The parts of a path the program names files by, "/" being the only separator.

// The text after the last "/"; empty for a path that ends in one.
std::string_view FileNameOf(std::string_view path);

// The file name after its last "."; empty when it holds none.
std::string_view ExtensionOf(std::string_view path);

// The file name before its last "."; the whole name when it holds none.
std::string_view StemOf(std::string_view path);

// The text with the letters A to Z in lower case and every other byte as it is.
std::string AsciiLowerCase(std::string_view text);

}  // namespace tintara
