#include "paint/bitmap_paths.h"

namespace tintara {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string GridPath(std::string_view programDirectory, std::string_view gridFile) {
  if (gridFile.find(':') != std::string_view::npos || gridFile.starts_with('/')) {
    return std::string(gridFile);
  }
  return std::string(programDirectory) + std::string(gridFile);
}

std::string OtherBitmapCaption(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  std::string name(path.substr(separator == std::string_view::npos ? 0 : separator + 1));
  name = name.substr(0, name.find('.'));
  for (std::size_t i = 0; i < name.size(); ++i) {
    name[i] = i == 0 ? AsciiUpper(name[i]) : AsciiLower(name[i]);
  }
  return name;
}

}  // namespace tintara
