#include "app/page_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tintara {

bool OpenWithTheDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tintara
