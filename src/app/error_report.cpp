#include "app/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace tintara {
namespace {

void ShowErrorBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

ErrorReporter& CurrentReporter() {
  static ErrorReporter reporter = ShowErrorBox;
  return reporter;
}

}  // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
  return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportErrors(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    CurrentReporter()(QString::fromLocal8Bit(error.what()));
  }
}

}  // namespace tintara
