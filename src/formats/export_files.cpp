#include "formats/export_files.h"

#include "platform/file_batch.h"
#include "platform/file_io.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {

Problem CannotCreate(const std::string& path, const std::string& reason) {
  return {Filled(Tr("Cannot create file %s: %s"), {ShownText(path), reason}), path};
}

Problem CannotEncode(const std::string& path) {
  return CannotCreate(path, Tr("the picture could not be encoded"));
}

std::optional<Problem> WriteExportFile(const std::string& path,
                                       std::span<const std::uint8_t> bytes) {
  if (Written written = WriteFileAtomically(path, bytes); !written) {
    return CannotCreate(path, written.reason);
  }
  return std::nullopt;
}

std::optional<Problem> WriteFiles(const std::vector<FileContent>& files) {
  std::vector<StagedFile> together;
  for (const FileContent& file : files) {
    Expected<StagedFile> staged = StageFile(file.path, file.bytes);
    if (!staged) {
      for (StagedFile& written : together) Discard(written);
      return CannotCreate(file.path, staged.problem().message);
    }
    together.push_back(std::move(*staged));
  }
  FileBatch batch;
  batch.Add(std::move(together));
  const std::vector<Written> placed = batch.Commit();
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!placed[i]) return CannotCreate(files[i].path, placed[i].reason);
  }
  return std::nullopt;
}

}  // namespace tintara
