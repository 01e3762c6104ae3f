#include "app/window_actions.h"

#include <QAction>
#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "app/about_box.h"
#include "app/colour_exchange.h"
#include "app/main_window.h"
#include "app/slot_actions.h"
#include "board/picture_view.h"
#include "paint/document.h"

namespace tintara {

// The main window's friend: the rows run its private operations.
std::span<const WindowAction> WindowActions() {
  using M = ActionMenu;
  using K = ActionKind;
  using R = ActionReach;
  using Window = QWidget;
  static constexpr WindowAction kActions[] = {
      {.name = "File1", .caption = "&File", .menu = M::Bar, .kind = K::Menu, .opens = M::File},
      {.name = "Save1",
       .caption = "&Save as JPG",
       .menu = M::File,
       .keys = {{Qt::CTRL | Qt::Key_S}},
       .run = [](MainWindow& main, Window&) { main.saveAsJpeg(); }},
      {.name = "SaveSkin1",
       .caption = "Save S&kin As...",
       .menu = M::File,
       .keys = {{Qt::CTRL | Qt::SHIFT | Qt::Key_S}},
       .enabled = HasSkin,
       .run = [](MainWindow& main, Window&) { main.saveSkin(); }},
      {.name = "ExportPalette1",
       .caption = "Export Pa&lette...",
       .menu = M::File,
       .enabled = HasPalette,
       .run = [](MainWindow& main, Window&) { main.exportPalette(); }},
      {.name = "N1", .menu = M::File, .kind = K::Separator},
      {.name = "SelectNew", .menu = M::File, .kind = K::Catalogue},
      {.name = "N2", .menu = M::File, .kind = K::Separator},
      {.name = "LoadOtherBitmap1",
       .caption = "Load Other Bitmap",
       .menu = M::File,
       .keys = {{Qt::CTRL | Qt::Key_O}},
       .run = [](MainWindow& main, Window&) { main.loadOtherBitmap(); }},
      {.name = "OpenRecent1", .menu = M::File, .kind = K::RecentFiles},
      {.name = "LoadCodes1",
       .caption = "Load Codes from Pa&ge...",
       .menu = M::File,
       .run = [](MainWindow& main, Window&) { main.loadCodesFromPage(); }},
      {.name = "ImportPalette1",
       .caption = "Import &Palette...",
       .menu = M::File,
       .run = [](MainWindow& main, Window&) { main.colours_->importPalette(); }},
      {.name = "N3", .menu = M::File, .kind = K::Separator},
      {.name = "Exit1",
       .caption = "E&xit",
       .menu = M::File,
       .keys = {{Qt::CTRL | Qt::Key_Q}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.close(); }},

      {.name = "Edit1", .caption = "&Edit", .menu = M::Bar, .kind = K::Menu, .opens = M::Edit},
      {.name = "Undo1",
       .caption = "&Undo",
       .menu = M::Edit,
       .keys = {{Qt::CTRL | Qt::Key_Z}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.undo(); }},
      {.name = "Redo1",
       .caption = "&Redo",
       .menu = M::Edit,
       .keys = {{Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.redo(); }},
      {.name = "CopyCodes1",
       .caption = "&Copy Codes",
       .menu = M::Edit,
       .keys = {{Qt::CTRL | Qt::SHIFT | Qt::Key_C}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.copyCodes(); }},
      {.name = "LockSlot1",
       .caption = "&Lock Slot",
       .menu = M::Edit,
       .keys = {{Qt::CTRL | Qt::Key_L}},
       .run = [](MainWindow& main, Window&) { main.slotActions_->toggleSelectedLock(); }},
      {.name = "ShadeGroup1",
       .caption = "S&hade Group",
       .menu = M::Edit,
       .run = [](MainWindow& main, Window&) { main.slotActions_->shadeSelectedGroup(); }},
      {.name = "CopyColours1",
       .caption = "Copy C&olours",
       .menu = M::Edit,
       .enabled = HasPalette,
       .run = [](MainWindow& main, Window&) { main.colours_->copyColours(); }},
      {.name = "PasteColours1",
       .caption = "&Paste Colours",
       .menu = M::Edit,
       .enabled = HasPalette,
       .run = [](MainWindow& main, Window&) { main.colours_->pasteColours(); }},

      {.name = "View1", .caption = "&View", .menu = M::Bar, .kind = K::Menu, .opens = M::View},
      {.name = "ZoomIn1",
       .caption = "Zoom &In",
       .menu = M::View,
       .keys = {{Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}},
       .run = [](MainWindow& main, Window&) { main.showZoom(main.picture_->zoom() + 1); }},
      {.name = "ZoomOut1",
       .caption = "Zoom &Out",
       .menu = M::View,
       .keys = {{Qt::CTRL | Qt::Key_Minus}},
       .run = [](MainWindow& main, Window&) { main.showZoom(main.picture_->zoom() - 1); }},
      {.name = "ActualSize1",
       .caption = "&Actual Size",
       .menu = M::View,
       .keys = {{Qt::CTRL | Qt::Key_0}},
       .run = [](MainWindow& main, Window&) { main.showZoom(1); }},
      {.name = "ZoomToFit1",
       .caption = "Zoom to &Fit",
       .menu = M::View,
       .keys = {{Qt::CTRL | Qt::Key_9}},
       .run = [](MainWindow& main, Window&) { main.showZoom(main.zoomToFit()); }},
      {.name = "N6", .menu = M::View, .kind = K::Separator},
      {.name = "Gallery1",
       .caption = "&Gallery",
       .menu = M::View,
       .keys = {{Qt::Key_F3}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.children_.showGallery(main.files_.directory); }},
      {.name = "CodeBook1",
       .caption = "Code &Book",
       .menu = M::View,
       .keys = {{Qt::Key_F4}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main,
                 Window&) { main.children_.showCodeBook(main.files_.codeBookPath); }},
      {.name = "N9", .menu = M::View, .kind = K::Separator},
      {.name = "ColourVision1",
       .caption = "Colour &Vision",
       .menu = M::View,
       .kind = K::Menu,
       .opens = M::Vision},
      {.name = "NormalVision1",
       .caption = "&Normal Vision",
       .menu = M::Vision,
       .kind = K::View,
       .keys = {{Qt::Key_F5}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.showVision(Vision::Normal); }},
      {.name = "Protanopia1",
       .caption = "&Protanopia",
       .menu = M::Vision,
       .kind = K::View,
       .keys = {{Qt::Key_F6}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.showVision(Vision::Protanopia); }},
      {.name = "Deuteranopia1",
       .caption = "&Deuteranopia",
       .menu = M::Vision,
       .kind = K::View,
       .keys = {{Qt::Key_F7}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.showVision(Vision::Deuteranopia); }},
      {.name = "Tritanopia1",
       .caption = "&Tritanopia",
       .menu = M::Vision,
       .kind = K::View,
       .keys = {{Qt::Key_F8}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.showVision(Vision::Tritanopia); }},
      {.name = "Achromatopsia1",
       .caption = "&Achromatopsia",
       .menu = M::Vision,
       .kind = K::View,
       .keys = {{Qt::Key_F9}},
       .reach = R::EveryWindow,
       .run = [](MainWindow& main, Window&) { main.showVision(Vision::Achromatopsia); }},
      {.name = "CheckReadability1",
       .caption = "Check &Readability",
       .menu = M::View,
       .run = [](MainWindow& main, Window&) { main.checkReadability(); }},
      {.name = "SuggestFixes1",
       .caption = "Suggest Fi&xes...",
       .menu = M::View,
       .run = [](MainWindow& main, Window&) { main.slotActions_->suggestFixes(); }},

      {.name = "Options1",
       .caption = "&Options",
       .menu = M::Bar,
       .kind = K::Menu,
       .opens = M::Options},
      {.name = "StartBrowser",
       .caption = "Start &Browser on JPG save",
       .menu = M::Options,
       .kind = K::Option},
      {.name = "HideHints",
       .caption = "&Hide Hints",
       .menu = M::Options,
       .kind = K::Option,
       .run = [](MainWindow& main, Window&) { main.toggleHideHints(); }},
      {.name = "ColorsOnLoad",
       .caption = "&Apply colors on load",
       .menu = M::Options,
       .kind = K::Option},
      {.name = "BlinkSlot",
       .caption = "B&link Slot under Mouse",
       .menu = M::Options,
       .kind = K::Option,
       .run = [](MainWindow& main, Window&) { main.toggleBlinkSlot(); }},
      {.name = "RandomCodes1",
       .caption = "Random &Codes...",
       .menu = M::Options,
       .run = [](MainWindow& main, Window&) { main.showRandomCodes(); }},
      {.name = "N5", .menu = M::Options, .kind = K::Separator},
      {.name = "ConvertandSave1",
       .caption = "Convert and Save",
       .menu = M::Options,
       .enabled = [](const Document&) { return false; },  // nothing enables it
       .run = [](MainWindow& main, Window&) { main.convertAndSave(); }},

      {.name = "Help1", .caption = "&Help", .menu = M::Bar, .kind = K::Menu, .opens = M::Help},
      {.name = "Topics1",
       .caption = "&Topics",
       .menu = M::Help,
       .keys = {{Qt::Key_F1}},
       .run = [](MainWindow& main, Window&) { main.showGuide(); }},
      {.name = "About1",
       .caption = "&About",
       .menu = M::Help,
       .run = [](MainWindow& main, Window&) { main.about_->showCentredOver(main); }},

      // A window to look at: Escape puts it away, as it does a dialog.
      {.name = "CloseWindow1",
       .caption = "&Close",
       .keys = {{Qt::CTRL | Qt::Key_W}, QKeySequence::Cancel},
       .reach = R::ChildWindows,
       .run = [](MainWindow&, Window& window) { window.close(); }},
  };
  return kActions;
}

const WindowAction& WindowActionNamed(std::string_view name) {
  const std::span<const WindowAction> actions = WindowActions();
  const auto found =
      std::find_if(actions.begin(), actions.end(),
                   [name](const WindowAction& action) { return action.name == name; });
  if (found == actions.end()) throw std::logic_error("no window action " + std::string(name));
  return *found;
}

QList<QKeySequence> KeysOf(const WindowAction& action) {
  QList<QKeySequence> keys;
  for (const QKeyCombination key : action.keys.fixed) {
    if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
  }
  if (action.keys.standard != QKeySequence::UnknownKey) {
    keys << QKeySequence::keyBindings(action.keys.standard);
  }
  return keys;
}

QAction* AddWindowKeys(QWidget* window, const QList<QKeySequence>& keys) {
  auto* action = new QAction(window);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

bool KeysTaken(const QWidget* window, const QList<QKeySequence>& keys) {
  const QList<QAction*> own = window->actions();
  return std::any_of(own.begin(), own.end(), [&keys](const QAction* action) {
    const QList<QKeySequence> taken = action->shortcuts();
    return std::any_of(keys.begin(), keys.end(),
                       [&taken](const QKeySequence& key) { return taken.contains(key); });
  });
}

}  // namespace tintara
