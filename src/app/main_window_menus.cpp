// The menu bar and the commands of its menus.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/about_box.h"
#include "app/catalogue_menus.h"
#include "app/main_window.h"
#include "app/menu_builder.h"
#include "formats/page_codes.h"
#include "formats/picture_files.h"
#include "platform/ini_file.h"
#include "sources/catalogue.h"

namespace tintara {
namespace {

// The options are checked at every start; only "Hide Hints" is stored, by its own command.
QAction* AddCheckItem(QMenu* menu, const char* name, const char* caption) {
  QAction* item = AddItem(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(true);
  return item;
}

// A problem a command met, told as the window tells every failure.
void Report(const ErrorReporter& reportError, const std::optional<Problem>& problem) {
  if (problem) reportError(QString::fromStdString(problem->message));
}

}  // namespace

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* file = AddMenu(bar, "File1", "&File");
  bar->addMenu(file);
  QAction* save = AddItem(file, "Save1", "&Save as JPG");
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save, &QAction::triggered, this, attempting([this] { saveAsJpeg(); }));
  QAction* saveSkin = AddItem(file, "SaveSkin1", "Save S&kin As...");
  saveSkin->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(saveSkin, &QAction::triggered, this, attempting([this] {
            Report(desktop_.reportError,
                   skinExport_.SaveSkin(*session_.model().work, session_.picture(),
                                        session_.paintedTable(), this));
          }));
  connect(AddItem(file, "ExportPalette1", "Export Pa&lette..."), &QAction::triggered, this,
          attempting([this] {
            Report(desktop_.reportError,
                   skinExport_.ExportPalette(*session_.model().work, session_.model().slots,
                                             session_.paintedTable(), this));
          }));
  AddSeparator(file, "N1");
  connect(
      new CatalogueMenus(file), &CatalogueMenus::entryChosen, this,
      [this](const CatalogueEntry& entry) { perform([&] { return pickCatalogueEntry(entry); }); });
  AddSeparator(file, "N2");
  QAction* loadOther = AddItem(file, "LoadOtherBitmap1", "Load Other Bitmap");
  loadOther->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(loadOther, &QAction::triggered, this, performing([this] { return loadOtherBitmap(); }));
  connect(AddItem(file, "LoadCodes1", "Load Codes from Pa&ge..."), &QAction::triggered, this,
          performing([this] { return loadCodesFromPage(); }));
  AddSeparator(file, "N3");
  QAction* exit = AddItem(file, "Exit1", "E&xit");
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, attempting([this] { close(); }));

  QMenu* edit = AddMenu(bar, "Edit1", "&Edit");
  bar->addMenu(edit);
  undo_ = AddItem(edit, "Undo1", "&Undo");
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undo_, &QAction::triggered, this, performing([this] { return session_.Undo(); }));
  redo_ = AddItem(edit, "Redo1", "&Redo");
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo_, &QAction::triggered, this, performing([this] { return session_.Redo(); }));

  QMenu* options = AddMenu(bar, "Options1", "&Options");
  bar->addMenu(options);
  startBrowser_ = AddCheckItem(options, "StartBrowser", "Start &Browser on JPG save");
  hideHints_ = AddCheckItem(options, "HideHints", "&Hide Hints");
  connect(hideHints_, &QAction::triggered, this, attempting([this] { toggleHideHints(); }));
  colorsOnLoad_ = AddCheckItem(options, "ColorsOnLoad", "&Apply colors on load");
  AddSeparator(options, "N5");
  QAction* convert = AddItem(options, "ConvertandSave1", "Convert and Save");
  convert->setEnabled(false);  // and nothing enables it
  connect(convert, &QAction::triggered, this, performing([this] { return convertAndSave(); }));

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
  Report(desktop_.reportError,
         IniFile(files_.iniPath.toStdString())
             .WriteString("Setup", "HideHints", hideHints_->isChecked() ? "1" : "0"));
}

Outcome MainWindow::pickCatalogueEntry(const CatalogueEntry& entry) {
  const PickedBitmap which =
      entry.target == CatalogueTarget::Head ? PickedBitmap::Head : PickedBitmap::Grid;
  return session_.PickBitmap(which, std::string(entry.file), std::string(entry.radioCaption));
}

Outcome MainWindow::loadOtherBitmap() {
  otherBitmapDialog_.defaultExt = "bmp";
  otherBitmapDialog_.filters = QStringList{"Bitmaps (*.bmp)"};
  if (!Execute(otherBitmapDialog_, desktop_.chooseFile, this)) return {};
  return session_.LoadOtherBitmap(otherBitmapDialog_.fileName.toStdString());
}

// The page lists the edit box as it stands, applied or not.
Outcome MainWindow::loadCodesFromPage() {
  if (!Execute(pageDialog_, desktop_.chooseFile, this)) return {};
  return applyCodesOfPage(pageDialog_.fileName);
}

Outcome MainWindow::applyCodesOfPage(const QString& path) {
  Expected<std::string> codes = ReadPageCodes(path);
  if (!codes) return {.message = std::move(codes).problem().message};
  return session_.ApplyCodesFromPage(std::move(*codes));
}

// The guide is a page of its own, shown by the browser like the pages "Save as JPG" writes.
void MainWindow::showGuide() {
  const QFileInfo guide(files_.guidePath);
  if (files_.guidePath.isEmpty() || !guide.isFile()) {
    desktop_.reportError("The user guide is not installed.");
    return;
  }
  const QString path = guide.absoluteFilePath();
  if (!desktop_.openPage(path)) {
    desktop_.reportError("The user guide is at " + QDir::toNativeSeparators(path) +
                         ", but no program could be started to open it.");
  }
}

void MainWindow::saveAsJpeg() {
  captureUserEdits();
  Report(desktop_.reportError,
         export_.SaveAsJpeg(session_.picture(), QString::fromStdString(session_.codeText()),
                            startBrowser_->isChecked(), this));
}

// The picture stays converted when the file cannot be written.
Outcome MainWindow::convertAndSave() {
  Outcome outcome = session_.ConvertToMarkerSet2();
  if (std::optional<Problem> problem =
          WriteConvertedBitmap(session_.picture(), files_.outputDirectory)) {
    outcome.message = std::move(problem->message);
  }
  return outcome;
}

}  // namespace tintara
