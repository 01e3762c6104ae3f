// The rules of the window's action table, checked on the windows made from it.
#include "app/window_actions.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QShortcut>
#include <QTest>

#include "app/window_fixture.h"

namespace tintara {
namespace {

class WindowActionRules : public WindowTest {
 protected:
  std::vector<QWidget*> windows() const {
    std::vector<QWidget*> all = childWindows();
    all.insert(all.begin(), window_.get());
    return all;
  }
};

// A menu's window is the window of its menu bar.
QWidget* WindowOf(QWidget* widget) {
  while (auto* menu = qobject_cast<QMenu*>(widget)) widget = menu->parentWidget();
  return widget->window();
}

QString Keys(const QAction* item) {
  return QKeySequence::listToString(item->shortcuts(), QKeySequence::PortableText);
}

// The items of the menu and the menus the table fills, depth first.
void ListItems(const QList<QAction*>& items, QStringList& listed) {
  for (const QAction* item : items) {
    QString state = item->isChecked() ? " | checked" : "";
    if (!item->isEnabled()) state += " | disabled";
    listed << item->objectName() + " | " + item->text() + " | " + Keys(item) + state;
    const std::span<const WindowAction> rows = WindowActions();
    const bool fromTable =
        item->menu() != nullptr && std::any_of(rows.begin(), rows.end(), [&](const auto& row) {
          return row.kind == ActionKind::Menu && item->objectName() == row.name;
        });
    if (fromTable) ListItems(item->menu()->actions(), listed);
  }
}

TEST_F(WindowActionRules, TheMenusShowTodaysCaptionsKeysAndStatesInTodaysOrder) {
  StartWindow();
  QStringList listed;
  ListItems(control<QMenuBar>("MainMenu1")->actions(), listed);
  const QStringList today = {
      "File1 | &File | ",
      "Save1 | &Save as JPG | Ctrl+S",
      "SaveSkin1 | Save S&kin As... | Ctrl+Shift+S | disabled",
      "ExportPalette1 | Export Pa&lette... |  | disabled",
      "N1 |  | ",
      "SelectNewHead | Select &Female head... | ",
      "SelectMalehead1 | Select &Male head... | ",
      "SelectAnimehead1 | Select A&nime head | ",
      "Selectnewanimalhead1 | Select &Animal head... | ",
      "Selectnew1 | Select &Other head... | ",
      "SelectNewAccessory | Select accessory... | ",
      "N2 |  | ",
      "LoadOtherBitmap1 | Load Other Bitmap | Ctrl+O",
      "OpenRecent1 | Open &Recent | ",
      "LoadCodes1 | Load Codes from Pa&ge... | ",
      "ImportPalette1 | Import &Palette... | ",
      "N3 |  | ",
      "Exit1 | E&xit | Ctrl+Q",
      "Edit1 | &Edit | ",
      "Undo1 | &Undo | Ctrl+Z | disabled",
      "Redo1 | &Redo | Ctrl+Shift+Z; Ctrl+Y | disabled",
      "CopyCodes1 | &Copy Codes | Ctrl+Shift+C",
      "LockSlot1 | &Lock Slot | Ctrl+L",
      "ShadeGroup1 | S&hade Group | ",
      "CopyColours1 | Copy C&olours |  | disabled",
      "PasteColours1 | &Paste Colours |  | disabled",
      "View1 | &View | ",
      "ZoomIn1 | Zoom &In | Ctrl++; Ctrl+=",
      "ZoomOut1 | Zoom &Out | Ctrl+-",
      "ActualSize1 | &Actual Size | Ctrl+0",
      "ZoomToFit1 | Zoom to &Fit | Ctrl+9",
      "N6 |  | ",
      "Gallery1 | &Gallery | F3",
      "CodeBook1 | Code &Book | F4",
      "N9 |  | ",
      "ColourVision1 | Colour &Vision | ",
      "NormalVision1 | &Normal Vision | F5 | checked",
      "Protanopia1 | &Protanopia | F6",
      "Deuteranopia1 | &Deuteranopia | F7",
      "Tritanopia1 | &Tritanopia | F8",
      "Achromatopsia1 | &Achromatopsia | F9",
      "CheckReadability1 | Check &Readability | ",
      "SuggestFixes1 | Suggest Fi&xes... | ",
      "Options1 | &Options | ",
      "StartBrowser | Start &Browser on JPG save |  | checked",
      "HideHints | &Hide Hints | ",
      "ColorsOnLoad | &Apply colors on load |  | checked",
      "BlinkSlot | B&link Slot under Mouse |  | checked",
      "RandomCodes1 | Random &Codes... | ",
      "N5 |  | ",
      "ConvertandSave1 | Convert and Save |  | disabled",
      "Help1 | &Help | ",
      "Topics1 | &Topics | F1",
      "About1 | &About | ",
  };
  EXPECT_EQ(listed.join("\n").toStdString(), today.join("\n").toStdString());
}

TEST_F(WindowActionRules, NoShortcutIsGivenTwiceInOneWindow) {
  OpenChildWindows();
  QMap<QWidget*, QMap<QKeySequence, QString>> owners;
  const auto own = [&](QWidget* window, const QList<QKeySequence>& keys, const QString& name) {
    for (const QKeySequence& key : keys) {
      EXPECT_FALSE(owners[window].contains(key))
          << window->objectName().toStdString() << ", " << key.toString().toStdString() << ": "
          << owners[window].value(key).toStdString() << " and " << name.toStdString();
      owners[window].insert(key, name);
    }
  };
  for (QAction* item : window_->findChildren<QAction*>()) {
    QSet<QWidget*> windows;
    for (QObject* shown : item->associatedObjects()) {
      if (auto* widget = qobject_cast<QWidget*>(shown)) windows.insert(WindowOf(widget));
    }
    for (QWidget* window : windows) own(window, item->shortcuts(), item->objectName());
  }
  for (QShortcut* key : window_->findChildren<QShortcut*>()) {
    own(WindowOf(qobject_cast<QWidget*>(key->parent())), key->keys(), key->objectName());
  }
  for (QWidget* window : windows())
    EXPECT_TRUE(owners.contains(window)) << window->objectName().toStdString();
}

TEST_F(WindowActionRules, NoAccessKeyIsGivenTwiceInOneMenuOrAmongOneWindowsControls) {
  OpenChildWindows();
  const auto checkUnique = [](const QStringList& captions, const QString& where) {
    QMap<QKeySequence, QString> owners;
    for (const QString& caption : captions) {
      const QKeySequence key = QKeySequence::mnemonic(caption);
      if (key.isEmpty()) continue;
      EXPECT_FALSE(owners.contains(key))
          << where.toStdString() << ": " << owners.value(key).toStdString() << " and "
          << caption.toStdString();
      owners.insert(key, caption);
    }
  };
  QList<QMenu*> menus = window_->findChildren<QMenu*>();
  QStringList bar;
  for (const QAction* menu : control<QMenuBar>("MainMenu1")->actions()) bar << menu->text();
  checkUnique(bar, "MainMenu1");
  for (const QMenu* menu : menus) {
    QStringList captions;
    for (const QAction* item : menu->actions()) captions << item->text();
    checkUnique(captions, menu->objectName());
  }
  for (QWidget* window : windows()) {
    QStringList captions;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (button->window() == window) captions << button->text();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->window() == window && label->buddy() != nullptr) captions << label->text();
    }
    checkUnique(captions, window->objectName());
  }
}

TEST_F(WindowActionRules, EachChildWindowClosesWithCtrlW) {
  OpenChildWindows();
  for (QWidget* window : windows()) {
    if (window == window_.get()) continue;
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
  }
}

// An item is in a menu that the menu bar reaches, or has keys.
TEST_F(WindowActionRules, EveryEntryIsReachableFromAMenuOrAKey) {
  QSet<ActionMenu> reached{ActionMenu::Bar};
  for (const WindowAction& row : WindowActions()) {
    if (row.kind == ActionKind::Menu && reached.contains(row.menu)) reached.insert(row.opens);
    const bool inMenu = row.menu != ActionMenu::None && reached.contains(row.menu);
    EXPECT_TRUE(inMenu || !KeysOf(row).isEmpty()) << row.name;
  }
}

// The guide's table of keys lists every key of the table, and no other key of a menu or window.
TEST(WindowActionKeys, TheGuideListsEveryKeyOfTheTable) {
  QFile guide(TINTARA_GUIDE);
  ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(guide.readAll());
  const qsizetype from = page.indexOf("id=\"keys\"");
  ASSERT_GE(from, 0);
  const QString section = page.mid(from, page.indexOf("</table>", from) - from);
  QSet<QString> listed;
  const QRegularExpression kbd("<kbd>([^<]+)</kbd>");
  for (const QRegularExpressionMatch& key : kbd.globalMatch(section)) listed << key.captured(1);
  QSet<QString> keys;
  for (const WindowAction& row : WindowActions()) {
    for (const QKeySequence& key : KeysOf(row)) {
      keys << key.toString(QKeySequence::PortableText);
    }
  }
  listed.remove("Return");  // in the edit box, whose own key it is
  EXPECT_EQ(listed, keys);
}

}  // namespace
}  // namespace tintara
