#pragma once

#include <QString>

#include "app/file_dialog.h"

namespace tintara {

// The folder of the last file the user chose in any open or save dialog, which every dialog then
// starts in, kept in the INI file across starts. Empty before any, or when it no longer exists:
// the dialogs then start in the user's pictures.
class LastFolder {
 public:
  explicit LastFolder(QString iniPath);

  QString folder() const;
  void remember(const QString& chosenFile);

 private:
  QString iniPath_;
  QString folder_;
};

// The chooser with every dialog starting in the last folder, and each choice remembered there.
FileChooser StartingInLastFolder(FileChooser chooser, LastFolder& lastFolder);

}  // namespace tintara
