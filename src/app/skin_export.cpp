#include "app/skin_export.h"

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

std::optional<Problem> SkinExport::SaveSkin(const Bitmap& work, const Picture& picture,
                                            const std::optional<DisplayTable>& paintedTable,
                                            QWidget* dialogParent) {
  if (!paintedTable) return Problem{"There is no skin to save yet: load a picture first."};
  if (!Execute(skinDialog_, chooser_, dialogParent)) return std::nullopt;
  return WriteSkin(skinDialog_.fileName.toStdString(), work, picture, *paintedTable,
                   ChosenScale(skinDialog_), paintedCodes_);
}

std::optional<Problem> SkinExport::ExportPalette(const Bitmap& work, const SlotRecords& slots,
                                                 const std::optional<DisplayTable>& paintedTable,
                                                 QWidget* dialogParent) {
  if (!paintedTable) return Problem{"There is no palette to export yet: load a picture first."};
  if (!work.hasColourTable()) {
    return Problem{
        "The picture has no palette to export: it has more than 8 bits a pixel and no colour "
        "table."};
  }
  if (!Execute(paletteDialog_, chooser_, dialogParent)) return std::nullopt;
  return WritePalette(paletteDialog_.fileName.toStdString(), work, slots, *paintedTable);
}

}  // namespace tintara
