// The menu bar and the commands of its menus.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/about_box.h"
#include "app/catalogue_menus.h"
#include "app/main_window.h"
#include "app/menu_builder.h"
#include "app/random_codes_dialog.h"
#include "app/recent_files.h"
#include "board/notice.h"
#include "board/picture_badge.h"
#include "board/picture_view.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"
#include "formats/page_codes.h"
#include "formats/picture_files.h"
#include "paint/catalogue.h"
#include "paint/readability.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

// The options are checked at every start; "Hide Hints" and "Blink Slot under Mouse" are stored,
// each by its own command.
QAction* AddCheckItem(QMenu* menu, const char* name, const char* caption) {
  QAction* item = AddItem(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(true);
  return item;
}

// The colour-vision views, each on a function key of its own.
struct VisionItem {
  const char* name;
  const char* caption;
  Vision vision;
  Qt::Key key;
};
constexpr VisionItem kVisionItems[] = {
    {"NormalVision1", "&Normal Vision", Vision::Normal, Qt::Key_F5},
    {"Protanopia1", "&Protanopia", Vision::Protanopia, Qt::Key_F6},
    {"Deuteranopia1", "&Deuteranopia", Vision::Deuteranopia, Qt::Key_F7},
    {"Tritanopia1", "&Tritanopia", Vision::Tritanopia, Qt::Key_F8},
    {"Achromatopsia1", "&Achromatopsia", Vision::Achromatopsia, Qt::Key_F9},
};

}  // namespace

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* file = AddMenu(bar, "File1", "&File");
  bar->addMenu(file);
  QAction* save = AddItem(file, "Save1", "&Save as JPG");
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save, &QAction::triggered, this, attempting([this] { saveAsJpeg(); }));
  saveSkin_ = AddItem(file, "SaveSkin1", "Save S&kin As...");
  saveSkin_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(saveSkin_, &QAction::triggered, this, attempting([this] {
            tellOutcome(skinExport_.SaveSkin(*document().model.work, picture(),
                                             PaintedTable(document()), this));
          }));
  exportPalette_ = AddItem(file, "ExportPalette1", "Export Pa&lette...");
  connect(exportPalette_, &QAction::triggered, this, attempting([this] {
            tellOutcome(skinExport_.ExportPalette(*document().model.work, document().model.slots,
                                                  PaintedTable(document()), this));
          }));
  AddSeparator(file, "N1");
  connect(new CatalogueMenus(file), &CatalogueMenus::entryChosen, this,
          [this](const CatalogueEntry& entry) {
            const auto which = entry.target == CatalogueTarget::Head ? commands::PickedBitmap::Head
                                                                     : commands::PickedBitmap::Grid;
            act([&] {
              return session_.PickBitmap(which, std::string(entry.file),
                                         std::string(entry.radioCaption));
            });
          });
  AddSeparator(file, "N2");
  QAction* loadOther = AddItem(file, "LoadOtherBitmap1", "Load Other Bitmap");
  loadOther->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(loadOther, &QAction::triggered, this, attempting([this] { loadOtherBitmap(); }));
  connect(new RecentMenu(file, recentFiles_), &RecentMenu::fileChosen, this,
          [this](const QString& path) { attempt([this, path] { openBitmap(path); }); });
  connect(AddItem(file, "LoadCodes1", "Load Codes from Pa&ge..."), &QAction::triggered, this,
          attempting([this] { loadCodesFromPage(); }));
  AddSeparator(file, "N3");
  QAction* exit = AddItem(file, "Exit1", "E&xit");
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, attempting([this] { close(); }));

  QMenu* edit = AddMenu(bar, "Edit1", "&Edit");
  bar->addMenu(edit);
  undo_ = AddItem(edit, "Undo1", "&Undo");
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undo_, &QAction::triggered, this, attempting([this] { undo(); }));
  redo_ = AddItem(edit, "Redo1", "&Redo");
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo_, &QAction::triggered, this, attempting([this] { redo(); }));
  QAction* copy = AddItem(edit, "CopyCodes1", "&Copy Codes");
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(copy, &QAction::triggered, this, attempting([this] { copyCodes(); }));
  lockSlot_ = AddItem(edit, "LockSlot1", "&Lock Slot");
  lockSlot_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(lockSlot_, &QAction::triggered, this, attempting([this] { toggleSelectedLock(); }));
  // The item names what it does to the selected slot.
  connect(edit, &QMenu::aboutToShow, this, [this] {
    const int slot = slots_->selectedSlot();
    lockSlot_->setEnabled(slot != 0);
    const QString number = slot != 0 ? QStringLiteral(" %1").arg(slot) : QString();
    lockSlot_->setText((slot != 0 && SlotLocked(document(), slot) ? "Un&lock Slot" : "&Lock Slot") +
                       number);
  });

  QMenu* view = AddMenu(bar, "View1", "&View");
  bar->addMenu(view);
  zoomIn_ = AddItem(view, "ZoomIn1", "Zoom &In");
  zoomIn_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoomIn_, &QAction::triggered, this,
          attempting([this] { showZoom(picture_->zoom() + 1); }));
  zoomOut_ = AddItem(view, "ZoomOut1", "Zoom &Out");
  zoomOut_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  connect(zoomOut_, &QAction::triggered, this,
          attempting([this] { showZoom(picture_->zoom() - 1); }));
  QAction* actualSize = AddItem(view, "ActualSize1", "&Actual Size");
  actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(actualSize, &QAction::triggered, this, attempting([this] { showZoom(1); }));
  QAction* zoomToFit = AddItem(view, "ZoomToFit1", "Zoom to &Fit");
  zoomToFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
  connect(zoomToFit, &QAction::triggered, this,
          attempting([this] { showZoom(this->zoomToFit()); }));
  AddSeparator(view, "N6");
  QAction* gallery = AddItem(view, "Gallery1", "&Gallery");
  gallery->setShortcut(QKeySequence(Qt::Key_F3));
  connect(gallery, &QAction::triggered, this,
          attempting([this] { children_.showGallery(files_.directory); }));
  QAction* codeBook = AddItem(view, "CodeBook1", "Code &Book");
  codeBook->setShortcut(QKeySequence(Qt::Key_F4));
  connect(codeBook, &QAction::triggered, this,
          attempting([this] { children_.showCodeBook(files_.codeBookPath); }));

  AddSeparator(view, "N9");
  QMenu* vision = AddMenu(view, "ColourVision1", "Colour &Vision");
  view->addMenu(vision);
  auto* views = new QActionGroup(vision);
  for (const VisionItem& item : kVisionItems) {
    QAction* choice = AddItem(vision, item.name, item.caption);
    choice->setCheckable(true);
    choice->setChecked(item.vision == Vision::Normal);
    choice->setShortcut(QKeySequence(item.key));
    views->addAction(choice);
    connect(choice, &QAction::triggered, this,
            attempting([this, view = item.vision] { showVision(view); }));
  }
  connect(AddItem(view, "CheckReadability1", "Check &Readability"), &QAction::triggered, this,
          attempting([this] { checkReadability(); }));

  QMenu* options = AddMenu(bar, "Options1", "&Options");
  bar->addMenu(options);
  startBrowser_ = AddCheckItem(options, "StartBrowser", "Start &Browser on JPG save");
  hideHints_ = AddCheckItem(options, "HideHints", "&Hide Hints");
  connect(hideHints_, &QAction::triggered, this, attempting([this] { toggleHideHints(); }));
  colorsOnLoad_ = AddCheckItem(options, "ColorsOnLoad", "&Apply colors on load");
  blinkSlot_ = AddCheckItem(options, "BlinkSlot", "B&link Slot under Mouse");
  connect(blinkSlot_, &QAction::triggered, this, attempting([this] { toggleBlinkSlot(); }));
  connect(AddItem(options, "RandomCodes1", "Random &Codes..."), &QAction::triggered, this,
          attempting([this] { showRandomCodes(); }));
  AddSeparator(options, "N5");
  QAction* convert = AddItem(options, "ConvertandSave1", "Convert and Save");
  convert->setEnabled(false);  // and nothing enables it
  connect(convert, &QAction::triggered, this, attempting([this] { convertAndSave(); }));

  QMenu* help = AddMenu(bar, "Help1", "&Help");
  bar->addMenu(help);
  QAction* topics = AddItem(help, "Topics1", "&Topics");
  topics->setShortcut(QKeySequence(Qt::Key_F1));
  connect(topics, &QAction::triggered, this, attempting([this] { showGuide(); }));
  connect(AddItem(help, "About1", "&About"), &QAction::triggered, this,
          attempting([this] { about_->showCentredOver(*this); }));
}

// The check has changed already; the hints follow it, and it is stored at once.
void MainWindow::toggleHideHints() {
  updateHints();
  tell(IniFile(files_.iniPath.toStdString())
           .WriteString("Setup", "HideHints", hideHints_->isChecked() ? "1" : "0"));
}

// The check has changed already; a blink going on stops with it, and it is stored at once.
void MainWindow::toggleBlinkSlot() {
  if (!blinkSlot_->isChecked()) picture_->stopBlinking();
  tell(IniFile(files_.iniPath.toStdString())
           .WriteString("Setup", "BlinkSlot", blinkSlot_->isChecked() ? "1" : "0"));
}

// The dialog opens window-modal and does not block: OK keeps its settings, Cancel leaves them.
void MainWindow::showRandomCodes() {
  if (randomCodes_ == nullptr) {
    randomCodes_ = new RandomCodesDialog(this);
    connect(randomCodes_, &QDialog::accepted, this,
            [this] { session_.SetRandomSettings(randomCodes_->settings()); });
    connect(randomCodes_, &RandomCodesDialog::rollAgain, this,
            [this](std::uint32_t seed, const RandomCodeSettings& settings) {
              act([&] { return session_.RollAgain(seed, settings); });
            });
  }
  randomCodes_->showSettings(session_.randomSettings(), session_.lastSeed());
  randomCodes_->open();
}

void MainWindow::loadOtherBitmap() {
  otherBitmapDialog_.defaultExt = "bmp";
  otherBitmapDialog_.filters =
      QStringList{"Bitmaps (*.bmp)", "PNG skins (*.png)", "Skins (*.bmp *.png)"};
  if (!Execute(otherBitmapDialog_, chooseFile_, this)) return;
  openBitmap(otherBitmapDialog_.fileName);
}

// The page lists the edit box as it stands, applied or not.
void MainWindow::loadCodesFromPage() {
  if (!Execute(pageDialog_, chooseFile_, this)) return;
  applyCodesOfPage(pageDialog_.fileName);
}

void MainWindow::applyCodesOfPage(const QString& path) {
  Expected<std::string> codes = ReadPageCodes(path.toStdString());
  if (!codes) {
    tell(std::move(codes).problem());
    return;
  }
  act([&] { return session_.ApplyCodesFromPage(std::move(*codes)); });
}

void MainWindow::showGuide() {
  if (const auto notice = OpenGuide(files_.guidePath, desktop_.openPage)) notice_->tell(*notice);
}

// Every view shows the same document: only how its colours are drawn changes.
void MainWindow::showVision(Vision vision) {
  session_.SetVision(vision);
  board_->setVision(vision);
  slots_->setVision(vision);
  QString name = QString::fromUtf8(VisionName(vision));
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  visionBadge_->show(vision == Vision::Normal ? QString() : name);
  showDocument();
}

void MainWindow::checkReadability() {
  notice_->tell(QString::fromStdString(ReadabilityReport(UnreadablePairs(document()))));
}

void MainWindow::saveAsJpeg() {
  tellOutcome(export_.SaveAsJpeg(picture(), QString::fromStdString(session_.edits().codeText),
                                 startBrowser_->isChecked(), this));
}

// The picture stays converted when the file cannot be written.
void MainWindow::convertAndSave() {
  if (act([this] { return session_.ConvertToMarkerSet2(); }).problem) return;
  tell(WriteConvertedBitmap(picture(), files_.outputDirectory.toStdString()));
}

}  // namespace tintara
