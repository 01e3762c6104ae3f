#pragma once

#include <QString>

class QCoreApplication;

namespace tintara {

// A text of the program's catalogue in the user's language, for the window: the same words the
// command line prints.
QString TrQ(const char* text);

// Qt's own texts (the file dialog, the message boxes' buttons) in the language of the program's
// catalogue, from Qt's installed translations. English stays as Qt has it.
void InstallQtTranslations(QCoreApplication& application);

}  // namespace tintara
