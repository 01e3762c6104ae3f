#pragma once

#include <QString>
#include <string>

namespace tintara {

// A file name as the INI file stores it: UTF-8, percent-encoded but for the slashes, so that no
// name (one with a line break, "=", "[" or ";" in it) can add a key or a section, or lose its
// blanks at either end.
std::string StoredName(const QString& path);
QString NameFromStored(const std::string& stored);

}  // namespace tintara
