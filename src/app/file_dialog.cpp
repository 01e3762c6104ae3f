#include "app/file_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>

namespace tintara {

namespace {

// Qt's own dialog lays itself out in a grid; a choice goes in a row of its own below the rest.
QComboBox* AddChoice(QFileDialog& box, const FileDialog& dialog) {
  box.setOption(QFileDialog::DontUseNativeDialog);
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return nullptr;
  auto* choice = new QComboBox(&box);
  choice->addItems(dialog.choices);
  choice->setCurrentIndex(dialog.chosen);
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(dialog.choiceLabel, &box), row, 0);
  grid->addWidget(choice, row, 1);
  return choice;
}

}  // namespace

std::optional<QString> AskTheUser(FileDialog& dialog, QWidget* parent) {
  QFileDialog box(parent);
  const bool saving = dialog.purpose == FileDialog::Purpose::Save;
  box.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(dialog.manyFiles ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
  box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.confirmOverwrite);
  QComboBox* choice = dialog.choices.isEmpty() ? nullptr : AddChoice(box, dialog);
  box.setDefaultSuffix(dialog.defaultExt);
  QStringList filters;
  for (const QString& filter : dialog.filters) filters << QtNameFilter(filter);
  box.setNameFilters(filters);
  if (!filters.isEmpty()) box.selectNameFilter(filters.first());
  if (!dialog.folder.isEmpty()) {
    box.setDirectory(dialog.folder);
  } else {
    // Not every user has a Pictures folder; the dialog would then open wherever it was started.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    box.setDirectory(QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
  }
  if (!dialog.fileName.isEmpty()) {
    box.selectFile(QFileInfo(dialog.fileName).fileName());
  } else if (!dialog.suggestedName.isEmpty()) {
    box.selectFile(dialog.suggestedName + '.' + dialog.defaultExt);
  }
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  if (choice != nullptr) dialog.chosen = choice->currentIndex();
  if (dialog.manyFiles) dialog.fileNames = box.selectedFiles();
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
