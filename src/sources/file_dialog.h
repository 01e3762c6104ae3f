#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tintara {

// A file dialog as the window keeps one: the handler sets its default extension and filters,
// and it remembers the name chosen the last time it closed with a choice. It never insists
// that the file exists and never asks before overwriting.
class FileDialog {
 public:
  enum class Purpose { Open, Save };

  explicit FileDialog(Purpose purpose) : purpose_(purpose) {}

  Purpose purpose() const { return purpose_; }
  QString defaultExt;
  QStringList filters;  // "Description (*.a;*.b)"; the first is selected
  QString fileName;     // the last choice; empty at first

  // Shows the dialog; true with fileName set to the chosen path, false when cancelled.
  bool Execute(QWidget* parent);

  // What answers the dialog: by default the user, in tests a function that returns a path or
  // nothing for a cancel.
  using Answerer = std::function<std::optional<QString>(const FileDialog&)>;
  static Answerer& CurrentAnswerer();

 private:
  Purpose purpose_;
};

// The filter as Qt's dialog takes it: patterns in the brackets separated by blanks, not ";".
QString QtNameFilter(const QString& filter);

}  // namespace tintara
