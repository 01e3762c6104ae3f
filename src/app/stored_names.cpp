#include "app/stored_names.h"

#include <QByteArray>

namespace tintara {

std::string StoredName(const QString& path) {
  return path.toUtf8().toPercentEncoding("/").toStdString();
}

QString NameFromStored(const std::string& stored) {
  return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(stored)));
}

}  // namespace tintara
