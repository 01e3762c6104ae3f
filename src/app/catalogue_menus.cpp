#include "app/catalogue_menus.h"

#include <QAction>
#include <QMenu>
#include <map>

#include "app/menu_builder.h"
#include "paint/catalogue.h"

namespace tintara {
namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CatalogueMenus::CatalogueMenus(QMenu* file) : QObject(file) {
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
    connect(AddItem(built.menu, Text(entry.actionName), Text(entry.caption)), &QAction::triggered,
            this, [this, &entry] { Q_EMIT entryChosen(entry); });
  }
  // Nested submenus stand after their parent's own entries.
  for (const CatalogueMenu& spec : kCatalogueMenus) {
    if (!spec.parent.empty()) menus.at(spec.parent).menu->addMenu(menus.at(spec.name).menu);
  }
}

}  // namespace tintara
