#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// Files the exports write, all with the same failure: "Cannot create file <path>".
Problem CannotCreate(const QString& path);

// The path as the operating system takes it.
std::string NativePath(const QString& path);

// Writes the file whole, through a temporary file; nothing when done.
[[nodiscard]] std::optional<Problem> WriteExportFile(const QString& path,
                                                     std::span<const std::uint8_t> bytes);
[[nodiscard]] std::optional<Problem> WriteExportFile(const QString& path, const QByteArray& bytes);

// A file's new content, made before anything is written, so that the files of many paintings can
// be written as one batch.
struct FileContent {
  QString path;
  std::vector<std::uint8_t> bytes;
};

FileContent ContentOf(const QString& path, const QByteArray& bytes);

// Writes the files in order, each whole through a temporary file; the first that cannot be
// written ends the writing.
[[nodiscard]] std::optional<Problem> WriteFiles(const std::vector<FileContent>& files);

}  // namespace tintara
