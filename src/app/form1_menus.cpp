#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/error_report.h"
#include "app/form1.h"

namespace tintara {
namespace {

QMenu* AddMenu(QWidget* parent, const char* name, const char* caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(name);
  return separator;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

// The handlers of check items invert the check themselves; Qt has already inverted it when it
// reports the trigger, so the connection takes that back first.
template <typename Handler>
void AddCheckItem(QMenu* menu, const char* name, const char* caption, Handler handler) {
  QAction* item = AddItem(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(true);
  QObject::connect(item, &QAction::triggered, menu, Reported([item, handler] {
                     item->setChecked(!item->isChecked());
                     handler();
                   }));
}

}  // namespace

void TForm1::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* file = AddMenu(bar, "File1", "&File");
  bar->addMenu(file);
  AddItem(file, "Save1", "&Save as JPG");
  AddSeparator(file, "N1");
  for (const auto& [name, caption] : {std::pair{"SelectNewHead", "Select &Female head..."},
                                      {"SelectMalehead1", "Select &Male head..."},
                                      {"SelectAnimehead1", "Select A&nime head"},
                                      {"Selectnewanimalhead1", "Select &Animal head..."},
                                      {"Selectnew1", "Select &Other head..."},
                                      {"SelectNewAccessory", "Select accessory..."}}) {
    file->addMenu(AddMenu(file, name, caption));
  }
  AddSeparator(file, "N2");
  AddItem(file, "LoadOtherBitmap1", "Load Other Bitmap");

  QMenu* options = AddMenu(bar, "Options1", "&Options");
  bar->addMenu(options);
  AddCheckItem(options, "StartBrowser", "Start &Browser on JPG save",
               [this] { StartBrowserClick(); });
  AddCheckItem(options, "HideHints", "&Hide Hints", [this] { HideHintsClick(); });
  AddCheckItem(options, "ColorsOnLoad", "&Apply colors on load", [this] { ColorsOnLoadClick(); });
  AddSeparator(options, "N5");
  AddItem(options, "ConvertandSave1", "Convert and Save")->setEnabled(false);

  QMenu* help = AddMenu(bar, "Help1", "&Help");
  bar->addMenu(help);
  AddItem(help, "Topics1", "&Topics");
  AddItem(help, "About1", "&About");
}

}  // namespace tintara
