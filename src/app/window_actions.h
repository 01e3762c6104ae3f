#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <array>
#include <span>
#include <string_view>

class QAction;
class QWidget;

namespace tintara {

class MainWindow;
struct Document;

// The menus the table's rows stand in: the menu bar, its menus, the colour-vision submenu; None
// for a row reached by its keys alone.
enum class ActionMenu { None, Bar, File, Edit, View, Vision, Options, Help };

enum class ActionKind {
  Command,      // an item that runs
  Option,       // an item with a check the user switches, ticked at start
  View,         // one of a group of items of which one is checked, the first at start
  Menu,         // a submenu of the row's menu: `opens` is its own
  Separator,    // a line, named like the items
  Catalogue,    // the head and accessory submenus, from the catalogue table
  RecentFiles,  // "Open Recent", from the files last opened
};

// The windows a row's keys work in. A window's own action for a key wins over a row's.
enum class ActionReach {
  MainWindow,    // the main window's menus
  EveryWindow,   // also the gallery, the code book and the compare window, by the same action
  ChildWindows,  // each child window an action of its own, given the window it runs in
};

// Today's keys, else the desktop's standard key where there is one.
struct ActionKeys {
  std::array<QKeyCombination, 2> fixed{};
  QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
};

// One row of the window's actions, in menu order.
struct WindowAction {
  const char* name;  // the Qt object name automation and the tests find it by
  const char* caption = "";
  ActionMenu menu = ActionMenu::None;
  ActionKind kind = ActionKind::Command;
  ActionKeys keys = {};
  ActionReach reach = ActionReach::MainWindow;
  bool (*enabled)(const Document&) = nullptr;  // none: always enabled, or by the window's state
  // What it runs, on the main window and in the window where it was chosen.
  void (*run)(MainWindow& main, QWidget& window) = nullptr;
  ActionMenu opens = ActionMenu::None;  // a Menu row's own menu
};

// Every row, in menu order.
std::span<const WindowAction> WindowActions();
// The row of that object name; a name the table lacks is a fault.
const WindowAction& WindowActionNamed(std::string_view name);
// The row's keys as the window sets them: the fixed ones, then the standard ones.
QList<QKeySequence> KeysOf(const WindowAction& action);
// An action on the window alone, for its keys while it is the active window.
QAction* AddWindowKeys(QWidget* window, const QList<QKeySequence>& keys);
// Whether one of the window's own actions has one of the keys already.
bool KeysTaken(const QWidget* window, const QList<QKeySequence>& keys);

}  // namespace tintara
