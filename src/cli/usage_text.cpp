#include "cli/usage_text.h"

#include <QCommandLineParser>

namespace tintara {

QString UsageText(const QCommandLineParser& parser) {
  QString help = parser.helpText();
  const qsizetype end = help.indexOf(" [options]");
  if (end >= 0) help.replace(0, end, "Usage: tintara");
  return help;
}

}  // namespace tintara
