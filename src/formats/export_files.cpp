#include "formats/export_files.h"

#include <QFile>

#include "platform/file_io.h"

namespace tintara {

Problem CannotCreate(const QString& path) {
  return {("Cannot create file " + path).toStdString(), NativePath(path)};
}

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<Problem> WriteExportFile(const QString& path, std::span<const std::uint8_t> bytes) {
  if (!WriteFileAtomically(NativePath(path), bytes)) return CannotCreate(path);
  return std::nullopt;
}

std::optional<Problem> WriteExportFile(const QString& path, const QByteArray& bytes) {
  return WriteExportFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())));
}

FileContent ContentOf(const QString& path, const QByteArray& bytes) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  return {path, std::vector<std::uint8_t>(data, data + bytes.size())};
}

std::optional<Problem> WriteFiles(const std::vector<FileContent>& files) {
  for (const FileContent& file : files) {
    if (std::optional<Problem> problem = WriteExportFile(file.path, file.bytes)) return problem;
  }
  return std::nullopt;
}

}  // namespace tintara
