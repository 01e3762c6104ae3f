#pragma once

#include <QDialog>

#include "paint/harmony.h"
#include "paint/palette.h"

class QPushButton;

namespace tintara {

// "Import Palette": the palette's colours, each with the nearest code under it, the worst match
// named, and what to do with them. It only shows and asks: the window applies the palette to the
// slots, adds it to the code book, or has "Gee!" draw among its nearest codes, and the dialog
// closes. The palette's name and colours are outside text, shown as plain text.
class PaletteImportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PaletteImportDialog(const Palette& palette, QWidget* parent = nullptr);

 Q_SIGNALS:
  void applyToSlotsChosen();
  void addToCodeBookChosen();
  void drawGeeChosen(const tintara::DrawingCodes& codes);
};

}  // namespace tintara
