#include "app/skin_export.h"

#include <QFileInfo>
#include <algorithm>

#include "formats/palette_file.h"
#include "formats/skin_file.h"
#include "paint/painted_skin.h"

namespace tintara {
namespace {

// A save dialog that asks before a file is overwritten: an export replaces the whole file.
FileDialog SaveDialog(const QString& defaultExt, const QStringList& filters) {
  FileDialog dialog{FileDialog::Purpose::Save, defaultExt, filters};
  dialog.confirmOverwrite = true;
  return dialog;
}

QStringList ScaleChoices() {
  QStringList choices;
  for (const int scale : kSkinScales) choices << QString::number(scale) + "x";
  return choices;
}

int ChosenScale(const FileDialog& dialog) {
  const int last = static_cast<int>(kSkinScales.size()) - 1;
  return kSkinScales[static_cast<std::size_t>(std::clamp(dialog.chosen, 0, last))];
}

QString ChosenFileName(const FileDialog& dialog) { return QFileInfo(dialog.fileName).fileName(); }

}  // namespace

SkinExport::SkinExport(FileChooser chooser)
    : chooser_(std::move(chooser)),
      skinDialog_(SaveDialog("png", {"PNG image (*.png)", "Bitmap (*.bmp)"})),
      paletteDialog_(SaveDialog("gpl", {"GIMP palette (*.gpl)", "JASC palette (*.pal)"})) {
  skinDialog_.choiceLabel = "Scale";
  skinDialog_.choices = ScaleChoices();
}

void SkinExport::suggestName(const QString& name) {
  skinDialog_.suggestedName = name;
  paletteDialog_.suggestedName = name;
}

Expected<QString> SkinExport::SaveSkin(const Bitmap& work, const Picture& picture,
                                       const std::optional<DisplayTable>& paintedTable,
                                       QWidget* dialogParent) {
  if (!paintedTable) return Problem{"There is no skin to save yet: load a picture first."};
  if (!Execute(skinDialog_, chooser_, dialogParent)) return QString();
  const int scale = ChosenScale(skinDialog_);
  if (std::optional<Problem> problem = WriteSkin(skinDialog_.fileName.toStdString(), work, picture,
                                                 *paintedTable, scale, paintedCodes_)) {
    return *std::move(problem);
  }
  return QStringLiteral("Saved %1, %2 x %3, %4")
      .arg(ChosenFileName(skinDialog_))
      .arg(picture.width * scale)
      .arg(picture.height * scale)
      .arg(work.hasColourTable() ? "indexed colour" : "true colour");
}

Expected<QString> SkinExport::ExportPalette(const Bitmap& work, const SlotRecords& slots,
                                            const std::optional<DisplayTable>& paintedTable,
                                            QWidget* dialogParent) {
  if (!paintedTable) return Problem{"There is no palette to export yet: load a picture first."};
  if (!work.hasColourTable()) {
    return Problem{
        "The picture has no palette to export: it has more than 8 bits a pixel and no colour "
        "table."};
  }
  if (!Execute(paletteDialog_, chooser_, dialogParent)) return QString();
  if (std::optional<Problem> problem =
          WritePalette(paletteDialog_.fileName.toStdString(), work, slots, *paintedTable)) {
    return *std::move(problem);
  }
  return QStringLiteral("Exported the palette to %1, %2 colours")
      .arg(ChosenFileName(paletteDialog_))
      .arg(work.colourTable.size());
}

}  // namespace tintara
