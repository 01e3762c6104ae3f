#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tintara {

// The whole file as written; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tintara
