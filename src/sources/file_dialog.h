#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tintara {

// A file dialog as a command keeps one: the command sets its default extension and filters,
// and it remembers the name chosen the last time it closed with a choice. It never insists that
// the file exists and never asks before overwriting.
struct FileDialog {
  enum class Purpose { Open, Save };

  Purpose purpose;
  QString defaultExt;
  QStringList filters;  // "Description (*.a;*.b)"; the first is selected
  QString fileName;     // the last choice; empty at first
};

// What answers a file dialog: the chosen path, or nothing for a cancel. The program asks the
// user (AskTheUser); tests answer themselves.
using FileChooser = std::function<std::optional<QString>(const FileDialog&, QWidget* parent)>;

std::optional<QString> AskTheUser(const FileDialog& dialog, QWidget* parent);

// Shows the dialog through the chooser; true with fileName set to the chosen path, false when
// cancelled.
bool Execute(FileDialog& dialog, const FileChooser& chooser, QWidget* parent);

// The filter as Qt's dialog takes it: patterns in the brackets separated by blanks, not ";".
QString QtNameFilter(const QString& filter);

}  // namespace tintara
