#pragma once

#include <QObject>

class QMenu;

namespace tintara {

struct CatalogueEntry;

// The head and accessory submenus of the File menu, built from the catalogue table: each entry's
// action carries the entry's object name. Choosing an entry reports it.
class CatalogueMenus : public QObject {
  Q_OBJECT

 public:
  // Adds the six submenus to the end of the file menu.
  explicit CatalogueMenus(QMenu* file);

 Q_SIGNALS:
  void entryChosen(const tintara::CatalogueEntry& entry);
};

}  // namespace tintara
