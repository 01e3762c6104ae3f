#include "app/last_folder.h"

#include <QFileInfo>

#include "app/stored_names.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

constexpr const char* kSection = "Folders";
constexpr const char* kKey = "Last";

}  // namespace

LastFolder::LastFolder(QString iniPath)
    : iniPath_(std::move(iniPath)),
      folder_(NameFromStored(IniFile(iniPath_.toStdString()).ReadString(kSection, kKey, ""))) {}

QString LastFolder::folder() const {
  return !folder_.isEmpty() && QFileInfo(folder_).isDir() ? folder_ : QString();
}

void LastFolder::remember(const QString& chosenFile) {
  folder_ = QFileInfo(chosenFile).absolutePath();
  // A convenience: an INI file that cannot be written must not interrupt every dialog with a
  // message, and closing the window reports it.
  (void)IniFile(iniPath_.toStdString()).WriteString(kSection, kKey, StoredName(folder_));
}

FileChooser StartingInLastFolder(FileChooser chooser, LastFolder& lastFolder) {
  return [chooser = std::move(chooser), &lastFolder](FileDialog& dialog, QWidget* parent) {
    dialog.folder = lastFolder.folder();
    std::optional<QString> chosen = chooser(dialog, parent);
    if (chosen) lastFolder.remember(*chosen);
    return chosen;
  };
}

}  // namespace tintara
