#pragma once

#include <QString>
#include <string>
#include <vector>

#include "app/file_dialog.h"
#include "paint/picture.h"
#include "platform/problem.h"

class QWidget;

namespace tintara {

// "Save Gallery As..." and "Save Comparison As...": asks for a name, then writes the pictures,
// each under its label, as one PNG contact sheet (WritePictureSheet). What comes back once it is
// written says so, for a notice; nothing when the user cancels. The dialog asks before a file is
// overwritten and remembers the name chosen last.
class SheetExport {
 public:
  explicit SheetExport(FileChooser chooser);

  [[nodiscard]] Expected<QString> Save(const std::vector<const Picture*>& pictures,
                                       const std::vector<std::string>& labels, int columns,
                                       int scale, const QString& suggestedName,
                                       QWidget* dialogParent);

 private:
  FileChooser chooser_;
  FileDialog dialog_;
};

}  // namespace tintara
