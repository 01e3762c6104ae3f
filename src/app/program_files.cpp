#include "app/program_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "paint/artwork_files.h"

namespace tintara {
namespace {

// Any file the generator writes tells that the artwork is there.
constexpr const char* kArtworkWitness = artwork_files::kDesignGrid;

QString WithSeparator(const QString& directory) {
  return directory.endsWith('/') ? directory : directory + '/';
}

// The program's folder among the user's own.
QString UserFolder(QStandardPaths::StandardLocation location) {
  return WithSeparator(QStandardPaths::writableLocation(location) + "/tintara");
}

}  // namespace

ProgramFiles ProgramFiles::ForExecutable(const QString& executablePath) {
  const QFileInfo info(executablePath);
  const QString beside = WithSeparator(info.absolutePath());
  const QString installed = WithSeparator(QDir(beside + "../share/tintara").absolutePath());
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf('.');
  const QString iniName = (dot < 0 ? name : name.left(dot)) + ".INI";
  // Only a portable folder keeps the settings beside the executable: an installed program's
  // folder is shared, even where the user (root, say) could write into it.
  const bool portable = QFileInfo::exists(beside + kArtworkWitness);
  const bool keepsBeside = portable && QFileInfo(beside).isWritable();

  ProgramFiles files;
  files.directory = portable || !QFileInfo::exists(installed) ? beside : installed;
  const QString settings = keepsBeside ? beside : UserFolder(QStandardPaths::GenericConfigLocation);
  // The settings are written on the way out, into a folder that must be there by then.
  QDir().mkpath(settings);
  files.iniPath = settings + iniName;
  files.outputDirectory = keepsBeside ? beside : UserFolder(QStandardPaths::GenericDataLocation);
  files.codeBookPath = files.outputDirectory + "codebook.txt";
  for (const QString& guide :
       {beside + "guide.html", QDir(beside + "../share/doc/tintara/guide.html").absolutePath()}) {
    if (QFileInfo(guide).isFile()) {
      files.guidePath = guide;
      break;
    }
  }
  return files;
}

}  // namespace tintara
