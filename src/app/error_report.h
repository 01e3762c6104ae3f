#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

namespace tintara {

// The application's error report: tells the user a message, in a message box in the program.
using ErrorReporter = std::function<void(const QString& message)>;

ErrorReporter MessageBoxReporter();
// The box it shows: the message exactly as given, never read as markup.
std::unique_ptr<QMessageBox> ErrorBox(const QString& message, QWidget* parent);

// Runs one entry from the event loop into the program. An exception it raises (a bug, or a
// failure such as running out of memory) ends it there; its message comes back, to be reported
// once the window shows what the entry did before it stopped.
std::optional<QString> Attempt(const std::function<void()>& operation);

}  // namespace tintara
