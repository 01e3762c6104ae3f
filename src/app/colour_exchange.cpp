#include "app/colour_exchange.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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

}  // namespace

ColourExchange::ColourExchange(Session& session, QWidget* window, Views views,
                               FileChooser chooseFile, QString codeBookPath, Act act,
                               ErrorReporter reportError)
    : QObject(window),
      session_(session),
      window_(window),
      views_(views),
      chooseFile_(std::move(chooseFile)),
      codeBookPath_(std::move(codeBookPath)),
      act_(std::move(act)),
      reportError_(std::move(reportError)),
      paletteDialog_{
          .purpose = FileDialog::Purpose::Open,
          .defaultExt = "gpl",
          .filters = {"Palettes (*.gpl *.pal *.ase *.act *.hex *.txt)", "All files (*)"}} {
  connect(views_.picture, &PictureView::pixelClicked, this, [this](int x, int y) {
    if (const auto failure = Attempt([&] { pickSlot(x, y); })) reportError_(*failure);
  });
}

void ColourExchange::importPalette() {
  if (!Execute(paletteDialog_, chooseFile_, window_)) return;
  openPalette(paletteDialog_.fileName);
}

// The dialog is window-modal and does not block; the palette is given to the slots as they stand
// when the user chooses.
void ColourExchange::openPalette(const QString& path) {
  Expected<Palette> read = ReadPaletteFile(path.toStdString());
  if (!read) {
    tell(read.problem());
    return;
  }
  auto* dialog = new PaletteImportDialog(*read, window_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  const Palette palette = std::move(*read);
  connect(dialog, &PaletteImportDialog::applyToSlotsChosen, this, [this, palette] {
    const PaletteCodes codes = PaletteCodesForSlots(palette, session_.document().model.slots);
    act_([&] { return session_.ImportPalette(ShownText(palette.name), codes.codes); });
  });
  connect(dialog, &PaletteImportDialog::addToCodeBookChosen, this, [this, palette] {
    const std::string name = StorableName(palette.name);
    CodeBookStore book(codeBookPath_.toStdString());
    const CodeBookStore::Outcome added =
        book.Add(PaletteCodesForSlots(palette, session_.document().model.slots).codes, name);
    if (added.problem) {
      tell(*added.problem);
    } else {
      views_.notice->tell(
          QString::fromStdString("Added '" + ShownText(name) + "' to the code book."));
    }
  });
  connect(dialog, &PaletteImportDialog::drawGeeChosen, this,
          [this](const DrawingCodes& codes) { session_.DrawGeeFrom(codes); });
  dialog->open();
}

void ColourExchange::copyColours() {
  const SlotRecords& slots = session_.document().model.slots;
  auto* copied = new QMimeData;
  copied->setText(QString::fromStdString(SlotColoursHexText(slots)));
  copied->setData(kPaletteMimeType, QByteArray::fromStdString(SlotColoursPaletteText(slots)));
  QGuiApplication::clipboard()->setMimeData(copied);
}

// As one step, telling how far the furthest colour lies from its code; no step when no code
// changes.
void ColourExchange::pasteColours() {
  const QMimeData* held = QGuiApplication::clipboard()->mimeData();
  if (held == nullptr) return;
  const std::string text = held->hasFormat(kPaletteMimeType)
                               ? held->data(kPaletteMimeType).toStdString()
                               : held->text().toStdString();
  const Expected<PaletteCodes> pasted = PastedColourCodes(text, session_.document().model.slots);
  if (!pasted) {
    tell(Problem{"Cannot paste colours: " + pasted.problem().message});
    return;
  }
  if (!pasted->changesCodes) {
    views_.notice->tell("The pasted colours change no code.");
    return;
  }
  if (act_([&] { return session_.PasteColours(pasted->codes); }).problem) return;
  if (!pasted->matches.empty()) {
    const std::size_t worst = WorstMatch(pasted->matches);
    views_.notice->tell("Worst match: " +
                        QString::fromStdString(MatchText(worst, pasted->matches[worst])));
  }
}

// Selected as a left press on its swatch selects it, and blinking as under the mouse.
void ColourExchange::pickSlot(int x, int y) {
  const std::optional<PickedPixel> picked = PickSlot(session_.document(), x, y);
  if (!picked) return;
  if (picked->slot == 0) {
    views_.notice->tell(QString::fromStdString("Not a code slot: colour-table entry " +
                                               std::to_string(picked->entry) + ", " +
                                               HexColourText(picked->colour)));
    return;
  }
  views_.slots->selectSlot(picked->slot);
  if (!views_.blinkSlot->isChecked()) return;
  if (auto marked = session_.PictureMarkingSlot(picked->slot)) {
    views_.picture->blink(std::move(marked));
  }
}

void ColourExchange::tell(const Problem& problem) const {
  reportError_(QString::fromStdString(problem.message));
}

}  // namespace tintara
