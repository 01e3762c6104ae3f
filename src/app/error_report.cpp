#include "app/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace tintara {

ErrorReporter MessageBoxReporter() {
  return [](const QString& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);  // messages quote names and file names from outside
    box.exec();
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
