#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/error_report.h"
#include "app/form1.h"
#include "app/menu_builder.h"

namespace tintara {
namespace {

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
  connect(AddItem(file, "Save1", "&Save as JPG"), &QAction::triggered, this,
          Reported([this] { Save1Click(); }));
  AddSeparator(file, "N1");
  CreateCatalogueMenus(file);
  AddSeparator(file, "N2");
  connect(AddItem(file, "LoadOtherBitmap1", "Load Other Bitmap"), &QAction::triggered, this,
          Reported([this] { LoadOtherBitmap1Click(); }));

  QMenu* options = AddMenu(bar, "Options1", "&Options");
  bar->addMenu(options);
  AddCheckItem(options, "StartBrowser", "Start &Browser on JPG save",
               [this] { StartBrowserClick(); });
  AddCheckItem(options, "HideHints", "&Hide Hints", [this] { HideHintsClick(); });
  AddCheckItem(options, "ColorsOnLoad", "&Apply colors on load", [this] { ColorsOnLoadClick(); });
  AddSeparator(options, "N5");
  QAction* convert = AddItem(options, "ConvertandSave1", "Convert and Save");
  convert->setEnabled(false);
  connect(convert, &QAction::triggered, this, Reported([this] { ConvertandSave1Click(); }));

  QMenu* help = AddMenu(bar, "Help1", "&Help");
  bar->addMenu(help);
  AddItem(help, "Topics1", "&Topics");
  AddItem(help, "About1", "&About");
}

}  // namespace tintara
