#pragma once

#include <QString>
#include <optional>

#include "paint/paint_model.h"
#include "paint/recolour.h"
#include "sources/file_dialog.h"

class QWidget;

namespace tintara {

struct Picture;

// The painted skin saved without loss: "Save Skin As..." writes it as a PNG or BMP file, and
// "Export Palette..." writes its painted colour table as a GIMP or JASC palette. The file type
// follows the chosen name's extension, whatever its case. Every refusal and failure ends the
// command with a UserError before anything is written: nothing painted yet, a name with another
// extension ("Cannot save skin.tga: a skin is saved as .png or .bmp"), and a file that cannot be
// created ("Cannot create file <path>"). Files are replaced only once their new content is whole,
// and a read-only file is never replaced. Each dialog remembers the name chosen last.
class SkinExport {
 public:
  explicit SkinExport(FileChooser chooser);

  // The name the dialogs offer before their first save, without its extension.
  void suggestName(const QString& name);

  // Asks for the name and the scale (the last chosen is offered again), then writes the skin as
  // PaintedSkin makes it: an 8-bit palette picture with the work bitmap's indices and the painted
  // colours, or for a picture without a colour table the picture's pixels at 24 bits. A skin too
  // large to be loaded again at the chosen scale is refused.
  void SaveSkin(const Bitmap& work, const Picture& picture,
                const std::optional<DisplayTable>& paintedTable, QWidget* dialogParent);
  // Asks for the name, then writes the work bitmap's colour table as painted, naming the slots'
  // colours in a GIMP palette. A picture without a colour table has no palette, and is refused.
  void ExportPalette(const Bitmap& work, const SlotRecords& slots,
                     const std::optional<DisplayTable>& paintedTable, QWidget* dialogParent);

 private:
  FileChooser chooser_;
  FileDialog skinDialog_;
  FileDialog paletteDialog_;
};

// The skin as "Save Skin As..." writes it, without a dialog, at a scale of 1, 2, 3, 4 or 8; the
// same refusals and failures.
void WriteSkin(const QString& path, const Bitmap& work, const Picture& picture,
               const DisplayTable& paintedTable, int scale);

}  // namespace tintara
