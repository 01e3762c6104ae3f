#include "sources/page_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tintara {

PageOpener& CurrentPageOpener() {
  static PageOpener opener = [](const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  return opener;
}

}  // namespace tintara
