#include "app/page_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tintara {

bool OpenWithTheDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<QString> OpenGuide(const QString& guidePath, const PageOpener& open) {
  const QFileInfo guide(guidePath);
  if (guidePath.isEmpty() || !guide.isFile()) return "The user guide is not installed.";
  const QString path = guide.absoluteFilePath();
  if (open(path)) return std::nullopt;
  return "The user guide is at " + QDir::toNativeSeparators(path) +
         ", but no program could be started to open it.";
}

}  // namespace tintara
