// The head and accessory menus, built from the catalogue, and the handler all their entries share.
#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>
#include <map>

#include "app/error_report.h"
#include "app/form1.h"
#include "app/menu_builder.h"
#include "sources/catalogue.h"

namespace tintara {
namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void TForm1::CreateCatalogueMenus(QMenu* file) {
  struct Built {
    QMenu* menu;
    int separatorAfter;
  };
  std::map<std::string_view, Built> menus;
  for (const CatalogueMenu& spec : kCatalogueMenus) {
    QMenu* menu = AddMenu(file, Text(spec.name), Text(spec.caption));
    menus[spec.name] = {menu, spec.separatorAfter};
    if (spec.parent.empty()) file->addMenu(menu);
  }
  for (const CatalogueEntry& entry : kCatalogue) {
    const Built& built = menus.at(entry.submenu);
    if (built.separatorAfter != 0 && built.menu->actions().size() == built.separatorAfter) {
      AddSeparator(built.menu);
    }
    connect(AddItem(built.menu, Text(entry.handler), Text(entry.caption)), &QAction::triggered,
            this, Reported([this, &entry] { CatalogueEntryClick(entry); }));
  }
  // Nested submenus stand after their parent's own entries.
  for (const CatalogueMenu& spec : kCatalogueMenus) {
    if (!spec.parent.empty()) menus.at(spec.parent).menu->addMenu(menus.at(spec.name).menu);
  }
}

void TForm1::CatalogueEntryClick(const CatalogueEntry& entry) {
  const bool head = entry.target == CatalogueTarget::Head;
  (head ? headFile_ : gridFile_) = Text(entry.file);
  auto* radio = control<QRadioButton>(head ? "RadioButton3" : "RadioButton4");
  radio->setText(Text(entry.radioCaption));
  SelectRadioButton(radio);
  BRevertClick();
}

void TForm1::SelectRadioButton(QRadioButton* radio) {
  if (radio->isChecked()) return;
  {
    // The reload runs here rather than from the radio button's own signal, so that an error in
    // it also ends the handler that selected the button.
    const QSignalBlocker quiet(radio);
    radio->setChecked(true);
  }
  RadioButton2Click();
}

}  // namespace tintara
