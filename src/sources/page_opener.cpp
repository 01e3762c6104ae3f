#include "sources/page_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tintara {

void OpenWithTheDesktop(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tintara
