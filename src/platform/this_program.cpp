#include "platform/this_program.h"

#include <unistd.h>

namespace tintara {

std::string ThisProgram() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || std::size_t(length) >= path.size()) return {};
  path.resize(std::size_t(length));
  return path;
}

std::string FolderOf(const std::string& program) {
  return program.substr(0, program.rfind('/') + 1);
}

}  // namespace tintara
