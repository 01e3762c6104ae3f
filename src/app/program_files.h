#pragma once

#include <QString>

namespace tintara {

// Where the program finds its artwork and its INI file.
struct ProgramFiles {
  QString directory;  // with a trailing separator, so file names are simply appended
  QString iniPath;    // the executable's path with its extension replaced by ".INI"

  static ProgramFiles ForExecutable(const QString& executablePath);
  static ProgramFiles ForThisProgram();
};

}  // namespace tintara
