#include "app/window_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>
#include <clocale>
#include <cstdlib>

#include "platform/translation.h"

namespace tintara {
namespace {

// Qt's own buttons speak the language the program's catalogue chose, from Qt's translations.
TEST(WindowTranslations, QtsOwnTextsFollowTheCataloguesLanguage) {
  unsetenv("LC_ALL");
  setenv("LANG", "C.UTF-8", 1);
  setenv("LANGUAGE", "de", 1);
  StartTranslations(TINTARA_ART_DIR);
  ASSERT_EQ(TranslationLanguage(), "de");
  InstallQtTranslations(*qApp);
  const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
  // The other tests of this program keep Qt's and the program's English.
  delete qApp->findChild<QTranslator*>();
  std::setlocale(LC_MESSAGES, "C");
  EXPECT_NE(cancel, "Cancel");
  EXPECT_FALSE(cancel.isEmpty());
}

}  // namespace
}  // namespace tintara
