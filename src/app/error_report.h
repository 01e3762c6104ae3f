#pragma once

#include <QString>
#include <functional>

namespace tintara {

// The application's error report. Handlers raise UserError and keep free of try/catch; every
// entry from the event loop into the program runs through ReportErrors, which shows the message
// and lets the event loop go on.
using ErrorReporter = std::function<void(const QString& message)>;

// Replaces the reporter (tests collect the messages instead of showing a box). Returns the old one.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

void ReportErrors(const std::function<void()>& operation);

// A slot for connect() that runs the operation through ReportErrors, ignoring signal arguments.
template <typename Operation>
auto Reported(Operation operation) {
  return [operation](auto&&...) { ReportErrors(operation); };
}

}  // namespace tintara
