#include "formats/export_files.h"

#include <QFile>

#include "platform/file_io.h"
#include "platform/user_error.h"

namespace tintara {

void CannotCreate(const QString& path) {
  throw UserError(("Cannot create file " + path).toStdString());
}

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

void WriteExportFile(const QString& path, std::span<const std::uint8_t> bytes) {
  if (!WriteFileAtomically(NativePath(path), bytes)) CannotCreate(path);
}

void WriteExportFile(const QString& path, const QByteArray& bytes) {
  WriteExportFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())));
}

}  // namespace tintara
