#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tintara {

// A file dialog as a command keeps one: the command sets its default extension and filters,
// and it remembers the name chosen the last time it closed with a choice; the window sets the
// folder it starts in. It never insists that
// the file exists, and asks before overwriting only when told to.
struct FileDialog {
  enum class Purpose { Open, Save };

  Purpose purpose = Purpose::Open;
  QString defaultExt{};
  QStringList filters{};  // "Description (*.a;*.b)"; the first is selected
  QString fileName{};     // the last choice; empty at first
  // The name offered before the first choice, without its extension.
  QString suggestedName{};
  // The folder the dialog starts in, offering the last choice's name there; empty for the user's
  // pictures.
  QString folder{};
  bool confirmOverwrite = false;
  // An open dialog that takes several files: all of them, the first also in fileName.
  bool manyFiles = false;
  QStringList fileNames{};
  // A choice offered beside the file name, such as "Scale": its label, its items, and the item
  // chosen, which the dialog also starts with. No choice when there are no items.
  QString choiceLabel{};
  QStringList choices{};
  int chosen = 0;
};

// What answers a file dialog: the chosen path, or nothing for a cancel; it sets the dialog's
// `chosen` item. The program asks the user (AskTheUser); tests answer themselves.
using FileChooser = std::function<std::optional<QString>(FileDialog&, QWidget* parent)>;

std::optional<QString> AskTheUser(FileDialog& dialog, QWidget* parent);

// Shows the dialog through the chooser; true with fileName set to the chosen path, false when
// cancelled.
bool Execute(FileDialog& dialog, const FileChooser& chooser, QWidget* parent);

// The filter as Qt's dialog takes it: patterns in the brackets separated by blanks, not ";".
QString QtNameFilter(const QString& filter);

}  // namespace tintara
