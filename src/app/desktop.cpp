#include "app/desktop.h"

#include <QApplication>
#include <QInputDialog>

#include "platform/clock.h"

namespace tintara {

namespace {

std::optional<QString> AskForText(const QString& label, const QString& offered, QWidget* parent) {
  bool accepted = false;
  const QString text = QInputDialog::getText(parent, QApplication::applicationName(), label,
                                             QLineEdit::Normal, offered, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

}  // namespace

Desktop Desktop::Real() {
  return {MessageBoxReporter(),       AskTheUser,
          OpenWithTheDesktop,         AskForText,
          QDateTime::currentDateTime, TimeOfDayMillisecondsUtc()};
}

}  // namespace tintara
