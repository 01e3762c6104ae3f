#include "cli/program_folder.h"

#include <filesystem>

#include "paint/artwork_files.h"
#include "platform/this_program.h"

namespace tintara {

std::string ArtworkFolder(const std::string& program) {
  const std::string beside = FolderOf(program);
  std::error_code error;
  // Any file the generator writes tells that the artwork is there.
  if (std::filesystem::exists(beside + artwork_files::kDesignGrid, error)) return beside;
  return beside + "../share/tintara/";
}

}  // namespace tintara
