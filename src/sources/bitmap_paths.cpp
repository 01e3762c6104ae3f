#include "sources/bitmap_paths.h"

namespace tintara {
namespace {

QChar AsciiUpper(QChar c) { return c >= 'a' && c <= 'z' ? QChar(c.unicode() - 32) : c; }
QChar AsciiLower(QChar c) { return c >= 'A' && c <= 'Z' ? QChar(c.unicode() + 32) : c; }

}  // namespace

QString GridPath(const QString& programDirectory, const QString& gridFile) {
  if (gridFile.contains(':') || gridFile.startsWith('/')) return gridFile;
  return programDirectory + gridFile;
}

QString OtherBitmapCaption(const QString& path) {
  const qsizetype separator = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
  QString name = path.mid(separator + 1);
  const qsizetype dot = name.indexOf('.');
  if (dot >= 0) name.truncate(dot);
  for (qsizetype i = 0; i < name.size(); ++i)
    name[i] = i == 0 ? AsciiUpper(name[i]) : AsciiLower(name[i]);
  return name;
}

}  // namespace tintara
