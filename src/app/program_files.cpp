#include "app/program_files.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tintara {

ProgramFiles ProgramFiles::ForExecutable(const QString& executablePath) {
  const QFileInfo info(executablePath);
  const QString directory = info.absolutePath() + '/';
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf('.');
  const QString base = dot < 0 ? name : name.left(dot);
  return {directory, directory + base + ".INI"};
}

ProgramFiles ProgramFiles::ForThisProgram() {
  return ForExecutable(QCoreApplication::applicationFilePath());
}

}  // namespace tintara
