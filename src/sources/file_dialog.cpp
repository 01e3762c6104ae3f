#include "sources/file_dialog.h"

#include <QFileDialog>

namespace tintara {
namespace {

std::optional<QString> AskTheUser(const FileDialog& dialog, QWidget* parent) {
  QFileDialog box(parent);
  const bool saving = dialog.purpose() == FileDialog::Purpose::Save;
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

}  // namespace

QString QtNameFilter(const QString& filter) {
  const qsizetype open = filter.lastIndexOf('(');
  if (open < 0) return filter;
  return filter.left(open) + filter.mid(open).replace(';', ' ');
}

FileDialog::Answerer& FileDialog::CurrentAnswerer() {
  static Answerer answerer;
  return answerer;
}

bool FileDialog::Execute(QWidget* parent) {
  const std::optional<QString> chosen =
      CurrentAnswerer() ? CurrentAnswerer()(*this) : AskTheUser(*this, parent);
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

}  // namespace tintara
