#include "app/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace tintara {

ErrorReporter MessageBoxReporter() {
  return [](const QString& message) { ErrorBox(message, QApplication::activeWindow())->exec(); };
}

std::unique_ptr<QMessageBox> ErrorBox(const QString& message, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QApplication::applicationName(),
                                           message, QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  return box;
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
