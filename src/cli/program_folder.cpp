#include "cli/program_folder.h"

#include <unistd.h>

#include <filesystem>

#include "paint/artwork_files.h"

namespace tintara {

std::string ThisProgram() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || std::size_t(length) >= path.size()) return {};
  path.resize(std::size_t(length));
  return path;
}

std::string ArtworkFolder(const std::string& program) {
  const std::string beside = program.substr(0, program.rfind('/') + 1);
  std::error_code error;
  // Any file the generator writes tells that the artwork is there.
  if (std::filesystem::exists(beside + artwork_files::kDesignGrid, error)) return beside;
  return beside + "../share/tintara/";
}

}  // namespace tintara
