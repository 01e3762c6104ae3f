#pragma once

#include <QString>

namespace tintara {

// Where the program finds its artwork and guide and keeps its settings and outputs. A portable
// folder (the build folder, say) keeps everything beside the executable; an installed program
// reads from its share folder and writes into the user's own folders.
struct ProgramFiles {
  QString directory;        // the artwork, with a trailing separator so file names are appended
  QString iniPath;          // the settings file
  QString outputDirectory;  // where "converted.bmp" goes, with a trailing separator
  QString guidePath;        // the user guide; empty when none is installed
  QString codeBookPath;     // the code book, kept where the outputs go

  // The artwork beside the executable when it is there, else in <prefix>/share/tintara. The INI
  // file, named after the executable with the extension ".INI", beside the executable in such a
  // portable folder when it can be written, else in the user's configuration folder
  // ($XDG_CONFIG_HOME/tintara); outputs and the code book likewise, else in the user's data folder
  // ($XDG_DATA_HOME/tintara).
  static ProgramFiles ForExecutable(const QString& executablePath);
};

}  // namespace tintara
