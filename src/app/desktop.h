#pragma once

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/error_report.h"
#include "app/file_dialog.h"
#include "app/page_opener.h"

namespace tintara {

// What the main window takes from the desktop around it. The program uses the real desktop;
// tests put in their own, to answer dialogs, collect messages and fix the random seed.
struct Desktop {
  ErrorReporter reportError;
  FileChooser chooseFile;
  PageOpener openPage;
  // Asks for a line of text (a name), offering one; nothing when the user cancels.
  std::function<std::optional<QString>(const QString& label, const QString& offered,
                                       QWidget* parent)>
      askText;
  std::function<QDateTime()> now;  // the time stamp of a saved page
  std::uint32_t randomSeed = 0;    // seeds the random codes of "Gee!"

  // Message boxes, file and text dialogs, the browser, the clock, and a seed from the time of
  // day.
  static Desktop Real();
};

}  // namespace tintara
