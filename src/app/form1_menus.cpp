#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/error_report.h"
#include "app/form1.h"
#include "app/menu_builder.h"
#include "app/unit2.h"
#include "app/version.h"

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
  connect(AddItem(help, "About1", "&About"), &QAction::triggered, this,
          Reported([this] { About1Click(); }));
}

// Centres the about box over this window's outer rectangle, halves rounded toward zero, and
// centres the version line in the box once it has sized itself to the version text.
void TForm1::About1Click() {
  Form2->move(x() + (width() - Form2->width()) / 2, y() + (height() - Form2->height()) / 2);
  Form2->setWindowTitle(" About...");
  QLabel* version = Form2->StaticText4;
  version->setText(kVersionText);
  version->adjustSize();
  version->move((Form2->width() - version->width()) / 2, version->y());
  Form2->exec();
}

}  // namespace tintara
