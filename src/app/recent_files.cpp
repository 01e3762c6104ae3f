#include "app/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/menu_builder.h"
#include "app/stored_names.h"
#include "board/shown_caption.h"
#include "platform/ini_file.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

constexpr const char* kSection = "Recent";
constexpr const char* kKey = "Files";
// Stored names are percent-encoded, so this never occurs inside one.
constexpr char kSeparator = '|';

// The path as the menu shows it: the home folder as "~", an ampersand as itself.
QString MenuText(int number, const QString& path) {
  QString shown = QDir::toNativeSeparators(path);
  const QString home = QDir::toNativeSeparators(QDir::homePath());
  if (shown.startsWith(home + QDir::separator())) shown = "~" + shown.mid(home.size());
  return QStringLiteral("&%1 %2").arg(number).arg(ShownCaption(shown.toStdString()));
}

}  // namespace

RecentFiles::RecentFiles(QString iniPath) : iniPath_(std::move(iniPath)) {
  const std::string stored = IniFile(iniPath_.toStdString()).ReadString(kSection, kKey, "");
  for (const QString& name : QString::fromStdString(stored).split(kSeparator, Qt::SkipEmptyParts)) {
    const QString path = NameFromStored(name.toStdString());
    if (!files_.contains(path) && files_.size() < kMaxFiles) files_ << path;
  }
}

void RecentFiles::add(const QString& path) {
  files_.removeAll(path);
  files_.prepend(path);
  while (files_.size() > kMaxFiles) files_.removeLast();
  store();
}

void RecentFiles::removeMissing() {
  files_.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
  store();
}

void RecentFiles::clear() {
  files_.clear();
  store();
}

void RecentFiles::store() const {
  QStringList stored;
  for (const QString& path : files_) stored << QString::fromStdString(StoredName(path));
  // A convenience, as the last folder is: closing the window reports an INI file it cannot write.
  (void)IniFile(iniPath_.toStdString())
      .WriteString(kSection, kKey, stored.join(kSeparator).toStdString());
}

RecentMenu::RecentMenu(QMenu* file, RecentFiles& recent)
    : QObject(file), menu_(AddMenu(file, "OpenRecent1", "Open &Recent")), recent_(recent) {
  file->addMenu(menu_);
  connect(menu_, &QMenu::aboutToShow, this, &RecentMenu::rebuild);
  rebuild();
}

void RecentMenu::rebuild() {
  menu_->clear();
  bool missing = false;
  int number = 0;
  for (const QString& path : recent_.files()) {
    ++number;
    QAction* entry =
        AddItem(menu_, QStringLiteral("RecentFile%1").arg(number), MenuText(number, path));
    entry->setToolTip(PlainToolTip(
        QString::fromStdString(ShownText(QDir::toNativeSeparators(path).toStdString()))));
    const bool exists = QFileInfo(path).isFile();
    entry->setEnabled(exists);
    missing = missing || !exists;
    connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT fileChosen(path); });
  }
  AddSeparator(menu_, "N7");
  QAction* removeMissing = AddItem(menu_, "RemoveMissing1", "Remove &Missing Files");
  removeMissing->setEnabled(missing);
  connect(removeMissing, &QAction::triggered, this, [this] { recent_.removeMissing(); });
  QAction* clear = AddItem(menu_, "ClearRecent1", "&Clear Menu");
  clear->setEnabled(!recent_.files().isEmpty());
  connect(clear, &QAction::triggered, this, [this] { recent_.clear(); });
}

}  // namespace tintara
