#include "app/window_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/translation.h"

namespace tintara {

QString TrQ(const char* text) { return QString::fromStdString(Tr(text)); }

void InstallQtTranslations(QCoreApplication& application) {
  // Qt follows the language the program's catalogue chose, so that one window speaks one language
  // (under LANG=C, gettext keeps English whatever LANGUAGE says).
  const std::string language = TranslationLanguage();
  if (language.empty()) return;
  auto* translator = new QTranslator(&application);
  if (translator->load("qtbase_" + QString::fromStdString(language),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace tintara
