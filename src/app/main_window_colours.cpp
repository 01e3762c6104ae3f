// Colours from outside and to other programs: palettes imported, slot colours through the
// clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/main_window.h"
#include "app/palette_import_dialog.h"
#include "board/notice.h"
#include "board/picture_view.h"
#include "board/slot_panel.h"
#include "formats/code_book_store.h"
#include "formats/colour_clipboard.h"
#include "formats/palette_codes.h"
#include "formats/palette_reader.h"
#include "paint/palette_text.h"
#include "paint/slot_pick.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

// The palette text beside the plain "#RRGGBB" lines, which pasting here prefers: its slot names
// give the codes back exactly where the colours alone would find a code that shares its colour.
constexpr char kPaletteMimeType[] = "application/x-gimp-palette";

FileDialog PaletteDialog() {
  return {.purpose = FileDialog::Purpose::Open,
          .defaultExt = "gpl",
          .filters = {"Palettes (*.gpl *.pal *.ase *.act *.hex *.txt)", "All files (*)"}};
}

}  // namespace

void MainWindow::importPalette() {
  if (paletteDialog_.filters.isEmpty()) paletteDialog_ = PaletteDialog();
  if (!Execute(paletteDialog_, chooseFile_, this)) return;
  openPalette(paletteDialog_.fileName);
}

// The dialog is window-modal and does not block; the palette is given to the slots as they stand
// when the user chooses.
void MainWindow::openPalette(const QString& path) {
  Expected<Palette> read = ReadPaletteFile(path.toStdString());
  if (!read) {
    tell(std::move(read).problem());
    return;
  }
  auto* dialog = new PaletteImportDialog(*read, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  const Palette palette = std::move(*read);
  connect(dialog, &PaletteImportDialog::applyToSlotsChosen, this, [this, palette] {
    const PaletteCodes codes = PaletteCodesForSlots(palette, document().model.slots);
    act([&] { return session_.ImportPalette(ShownText(palette.name), codes.codes); });
  });
  connect(dialog, &PaletteImportDialog::addToCodeBookChosen, this, [this, palette] {
    const std::string name = StorableName(palette.name);
    CodeBookStore book(files_.codeBookPath.toStdString());
    const CodeBookStore::Outcome added =
        book.Add(PaletteCodesForSlots(palette, document().model.slots).codes, name);
    if (added.problem) {
      tell(added.problem);
    } else {
      notice_->tell(QString::fromStdString("Added '" + ShownText(name) + "' to the code book."));
    }
  });
  dialog->open();
}

void MainWindow::copyColours() {
  const SlotRecords& slots = document().model.slots;
  auto* copied = new QMimeData;
  copied->setText(QString::fromStdString(SlotColoursHexText(slots)));
  copied->setData(kPaletteMimeType, QByteArray::fromStdString(SlotColoursPaletteText(slots)));
  QGuiApplication::clipboard()->setMimeData(copied);
}

// As one step, telling how far the furthest colour lies from its code; no step when no code
// changes.
void MainWindow::pasteColours() {
  const QMimeData* held = QGuiApplication::clipboard()->mimeData();
  if (held == nullptr) return;
  const std::string text = held->hasFormat(kPaletteMimeType)
                               ? held->data(kPaletteMimeType).toStdString()
                               : held->text().toStdString();
  const Expected<PaletteCodes> pasted = PastedColourCodes(text, document().model.slots);
  if (!pasted) {
    tell(Problem{"Cannot paste colours: " + pasted.problem().message});
    return;
  }
  if (!pasted->changesCodes) {
    notice_->tell("The pasted colours change no code.");
    return;
  }
  if (act([&] { return session_.PasteColours(pasted->codes); }).problem) return;
  if (!pasted->matches.empty()) {
    const std::size_t worst = WorstMatch(pasted->matches);
    notice_->tell("Worst match: " +
                  QString::fromStdString(MatchText(worst, pasted->matches[worst])));
  }
}

// Selected as a left press on its swatch selects it, and blinking as under the mouse.
void MainWindow::pickSlot(int x, int y) {
  const std::optional<PickedPixel> picked = PickSlot(document(), x, y);
  if (!picked) return;
  if (picked->slot == 0) {
    notice_->tell(QString::fromStdString("Not a code slot: colour-table entry " +
                                         std::to_string(picked->entry) + ", " +
                                         HexColourText(picked->colour)));
    return;
  }
  slots_->selectSlot(picked->slot);
  if (!blinkSlot_->isChecked()) return;
  if (auto marked = session_.PictureMarkingSlot(picked->slot)) picture_->blink(std::move(marked));
}

}  // namespace tintara
