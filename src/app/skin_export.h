#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/file_dialog.h"
#include "paint/paint_model.h"
#include "paint/recolour.h"
#include "platform/problem.h"

class QWidget;

namespace tintara {

struct Picture;

// "Save Skin As..." and "Export Palette...": each asks for a name and writes the painted skin
// (WriteSkin) or its palette (WritePalette), with their refusals and failures. What comes back
// when the file is written says what was saved, for a notice; nothing when the user cancels.
// Before any dialog, a command with nothing painted yet is refused. Each dialog asks before a file
// is overwritten and remembers the name chosen last.
class SkinExport {
 public:
  explicit SkinExport(FileChooser chooser);

  // The name the dialogs offer before their first save, without its extension.
  void suggestName(const QString& name);
  // The codes the picture shown is painted with, which a saved PNG skin keeps
  // (PaintedCodeString).
  void notePaintedCodes(std::string codes) { paintedCodes_ = std::move(codes); }

  // Asks for the name and the scale (the last chosen is offered again), then writes the skin.
  [[nodiscard]] Expected<QString> SaveSkin(const Bitmap& work, const Picture& picture,
                                           const std::optional<DisplayTable>& paintedTable,
                                           QWidget* dialogParent);
  // Asks for the name, then writes the palette. A picture without a colour table has no palette,
  // and is refused before the dialog.
  [[nodiscard]] Expected<QString> ExportPalette(const Bitmap& work, const SlotRecords& slots,
                                                const std::optional<DisplayTable>& paintedTable,
                                                QWidget* dialogParent);

 private:
  FileChooser chooser_;
  FileDialog skinDialog_;
  FileDialog paletteDialog_;
  std::string paintedCodes_;
};

}  // namespace tintara
