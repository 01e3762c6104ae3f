#include "formats/export_files.h"

#include "platform/file_batch.h"
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
  FileBatch batch;  // what it still holds when this returns early is removed
  for (const FileContent& file : files) {
    if (!batch.Stage(file.path, file.bytes)) return CannotCreate(file.path);
  }
  const std::vector<bool> placed = batch.Commit();
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!placed[i]) return CannotCreate(files[i].path);
  }
  return std::nullopt;
}

}  // namespace tintara
