#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace tintara {

// The bitmaps opened last, newest first and at most eight, kept in the INI file across starts.
class RecentFiles {
 public:
  static constexpr int kMaxFiles = 8;

  explicit RecentFiles(QString iniPath);

  const QStringList& files() const { return files_; }
  // Puts the file first, once; the oldest goes when there are more than eight.
  void add(const QString& path);
  void removeMissing();
  void clear();

 private:
  void store() const;

  QString iniPath_;
  QStringList files_;
};

// "Open Recent" in the File menu: one entry a file, greyed when it no longer exists, then
// "Remove Missing Files" and "Clear Menu". Built again each time it opens. Choosing a file reports
// it.
class RecentMenu : public QObject {
  Q_OBJECT

 public:
  RecentMenu(QMenu* file, RecentFiles& recent);

 Q_SIGNALS:
  void fileChosen(const QString& path);

 private:
  void rebuild();

  QMenu* menu_;
  RecentFiles& recent_;
};

}  // namespace tintara
