#include "formats/export_files.h"

#include "platform/file_io.h"
#include "platform/shown_text.h"

namespace tintara {

Problem CannotCreate(const std::string& path) {
  return {"Cannot create file " + ShownText(path), path};
}

std::optional<Problem> WriteExportFile(const std::string& path,
                                       std::span<const std::uint8_t> bytes) {
  if (!WriteFileAtomically(path, bytes)) return CannotCreate(path);
  return std::nullopt;
}

std::optional<Problem> WriteFiles(const std::vector<FileContent>& files) {
  for (const FileContent& file : files) {
    if (std::optional<Problem> problem = WriteExportFile(file.path, file.bytes)) return problem;
  }
  return std::nullopt;
}

}  // namespace tintara
