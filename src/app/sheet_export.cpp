#include "app/sheet_export.h"

#include <QFileInfo>

#include "formats/picture_sheet.h"

namespace tintara {

SheetExport::SheetExport(FileChooser chooser)
    : chooser_(std::move(chooser)),
      dialog_{.purpose = FileDialog::Purpose::Save,
              .defaultExt = "png",
              .filters = {"PNG image (*.png)"},
              .confirmOverwrite = true} {}

Expected<QString> SheetExport::Save(const std::vector<const Picture*>& pictures,
                                    const std::vector<std::string>& labels, int columns, int scale,
                                    const QString& suggestedName, QWidget* dialogParent) {
  dialog_.suggestedName = suggestedName;
  if (!Execute(dialog_, chooser_, dialogParent)) return QString();
  if (std::optional<Problem> problem =
          WritePictureSheet(dialog_.fileName.toStdString(), pictures, labels, columns, scale)) {
    return *std::move(problem);
  }
  return QStringLiteral("Saved %1, a sheet of %2 pictures")
      .arg(QFileInfo(dialog_.fileName).fileName())
      .arg(pictures.size());
}

}  // namespace tintara
