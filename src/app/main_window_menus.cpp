// The menu bar and the commands of its menus.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "app/about_box.h"
#include "app/catalogue_menus.h"
#include "app/main_window.h"
#include "app/menu_builder.h"
#include "app/random_codes_dialog.h"
#include "app/recent_files.h"
#include "app/slot_actions.h"
#include "app/window_actions.h"
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

// The menus and the keys come from the table, in its order.
void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  std::map<ActionMenu, QMenu*> menus;
  QActionGroup* views = nullptr;
  for (const WindowAction& row : WindowActions()) {
    QMenu* in = menus[row.menu];
    QAction* item = nullptr;
    switch (row.kind) {
      case ActionKind::Menu: {
        QMenu* menu = AddMenu(row.menu == ActionMenu::Bar ? static_cast<QWidget*>(bar) : in,
                              row.name, row.caption);
        if (row.menu == ActionMenu::Bar) {
          bar->addMenu(menu);
        } else {
          in->addMenu(menu);
        }
        menus[row.opens] = menu;
        break;
      }
      case ActionKind::Separator:
        AddSeparator(in, row.name);
        break;
      case ActionKind::Catalogue:
        connect(new CatalogueMenus(in), &CatalogueMenus::entryChosen, this,
                [this](const CatalogueEntry& entry) { pickCatalogueEntry(entry); });
        break;
      case ActionKind::RecentFiles:
        connect(new RecentMenu(in, recentFiles_), &RecentMenu::fileChosen, this,
                [this](const QString& path) { attempt([this, path] { openBitmap(path); }); });
        break;
      case ActionKind::Command:
      case ActionKind::Option:
      case ActionKind::View:
        item = in != nullptr ? AddItem(in, row.name, row.caption) : nullptr;
        break;
    }
    actions_.push_back(item);
    if (item == nullptr) continue;
    item->setShortcuts(KeysOf(row));
    if (row.kind != ActionKind::Command) {
      item->setCheckable(true);
      item->setChecked(row.kind == ActionKind::Option || views == nullptr);
    }
    if (row.kind == ActionKind::View) {
      if (views == nullptr) views = new QActionGroup(in);
      views->addAction(item);
    }
    if (row.run != nullptr) {
      connect(item, &QAction::triggered, this,
              attempting([this, run = row.run] { run(*this, *this); }));
    }
  }
  undo_ = actionNamed("Undo1");
  redo_ = actionNamed("Redo1");
  startBrowser_ = actionNamed("StartBrowser");
  hideHints_ = actionNamed("HideHints");
  colorsOnLoad_ = actionNamed("ColorsOnLoad");
  blinkSlot_ = actionNamed("BlinkSlot");
  zoomIn_ = actionNamed("ZoomIn1");
  zoomOut_ = actionNamed("ZoomOut1");
  connect(menus[ActionMenu::Edit], &QMenu::aboutToShow, this,
          [this] { slotActions_->nameEditItems(); });
}

QAction* MainWindow::actionNamed(std::string_view name) const {
  const std::span<const WindowAction> rows = WindowActions();
  return actions_.at(static_cast<std::size_t>(&WindowActionNamed(name) - rows.data()));
}

// The states that follow the document, as the table tests them.
void MainWindow::showActionStates() {
  const std::span<const WindowAction> rows = WindowActions();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].enabled != nullptr) actions_[i]->setEnabled(rows[i].enabled(document()));
  }
}

// The keys that work in every window work in the child window by the main window's own actions,
// but where the window has its own action for the key; the keys of each child window run in it.
void MainWindow::addWindowActions(QWidget* window) {
  const std::span<const WindowAction> rows = WindowActions();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const WindowAction& row = rows[i];
    const QList<QKeySequence> keys = KeysOf(row);
    if (row.reach == ActionReach::EveryWindow && !KeysTaken(window, keys)) {
      window->addAction(actions_[i]);
    } else if (row.reach == ActionReach::ChildWindows) {
      QAction* own = AddWindowKeys(window, keys);
      own->setObjectName(row.name);
      own->setText(row.caption);
      connect(own, &QAction::triggered, this,
              attempting([this, window, run = row.run] { run(*this, *window); }));
    }
  }
}

void MainWindow::pickCatalogueEntry(const CatalogueEntry& entry) {
  const auto which = entry.target == CatalogueTarget::Head ? commands::PickedBitmap::Head
                                                           : commands::PickedBitmap::Grid;
  act([&] {
    return session_.PickBitmap(which, std::string(entry.file), std::string(entry.radioCaption));
  });
}

void MainWindow::saveSkin() {
  tellOutcome(
      skinExport_.SaveSkin(*document().model.work, picture(), PaintedTable(document()), this));
}

void MainWindow::exportPalette() {
  tellOutcome(skinExport_.ExportPalette(*document().model.work, document().model.slots,
                                        PaintedTable(document()), this));
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
    connect(randomCodes_, &RandomCodesDialog::clearDrawingChosen, this,
            [this] { session_.ClearGeeDrawing(); });
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
