#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

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

}  // namespace tintara
