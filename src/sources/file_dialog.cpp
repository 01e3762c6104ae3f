#include "sources/file_dialog.h"

#include <QFileDialog>

namespace tintara {

std::optional<QString> AskTheUser(const FileDialog& dialog, QWidget* parent) {
  QFileDialog box(parent);
  const bool saving = dialog.purpose == FileDialog::Purpose::Save;
  box.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(QFileDialog::AnyFile);
  box.setOption(QFileDialog::DontConfirmOverwrite);
  box.setDefaultSuffix(dialog.defaultExt);
  QStringList filters;
  for (const QString& filter : dialog.filters) filters << QtNameFilter(filter);
  box.setNameFilters(filters);
  if (!filters.isEmpty()) box.selectNameFilter(filters.first());
  if (!dialog.fileName.isEmpty()) box.selectFile(dialog.fileName);
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return box.selectedFiles().first();
}

bool Execute(FileDialog& dialog, const FileChooser& chooser, QWidget* parent) {
  const std::optional<QString> chosen = chooser(dialog, parent);
  if (!chosen) return false;
  dialog.fileName = *chosen;
  return true;
}

QString QtNameFilter(const QString& filter) {
  const qsizetype open = filter.lastIndexOf('(');
  if (open < 0) return filter;
  return filter.left(open) + filter.mid(open).replace(';', ' ');
}

}  // namespace tintara
