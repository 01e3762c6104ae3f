#include "app/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace tintara {

ErrorReporter MessageBoxReporter() {
  return [](const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
  };
}

std::optional<QString> Attempt(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what());
  }
  return std::nullopt;
}

}  // namespace tintara
