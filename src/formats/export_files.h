#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>
#include <string>

namespace tintara {

// Files the exports write, all with the same failure: the UserError "Cannot create file <path>".
[[noreturn]] void CannotCreate(const QString& path);

// The path as the operating system takes it.
std::string NativePath(const QString& path);

// Writes the file whole, through a temporary file; throws when it cannot.
void WriteExportFile(const QString& path, std::span<const std::uint8_t> bytes);
void WriteExportFile(const QString& path, const QByteArray& bytes);

}  // namespace tintara
