// `tintara-window`: the window, started by `tintara` with `tintara`'s own path as the program's
// name, the file to open, if any, and Qt's own options.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

#include "app/desktop.h"
#include "app/main_window.h"
#include "app/window_command_line.h"
#include "app/window_platform.h"
#include "app/window_translations.h"
#include "platform/interrupt_cleanup.h"
#include "platform/this_program.h"
#include "platform/translation.h"
#include "platform/version.h"

int main(int argc, char* argv[]) {
  // The catalogues are beside this program, as they are beside the command line that started it.
  tintara::StartTranslations(tintara::FolderOf(tintara::ThisProgram()));
  // The name the desktop lists the program under; the window caption is the main window's own.
  QCoreApplication::setApplicationName("Tintara");
  QCoreApplication::setApplicationVersion(tintara::kVersionNumber);
  const tintara::WindowCommandLine given = tintara::TakeWindowCommandLine(argc, argv);
  // Qt ends the program when it cannot make its platform: a missing display is told first.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QFile::decodeName(argv[i]));
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (const std::optional<QString> why = tintara::WhyNoWindowOpens(
          arguments, environment, tintara::PlatformPluginNames(arguments, environment))) {
    std::fprintf(stderr, "tintara: %s\n", qUtf8Printable(*why));
    return tintara::kNoWindowStatus;
  }
  QApplication application(argc, argv);
  tintara::InstallQtTranslations(application);
  // Ctrl+C in the terminal, a kill or a closed session leave no temporary file and no JPEG without
  // its page, as on the command line.
  tintara::RemoveTemporaryFilesOnInterrupt();
  // Desktops match the window to its desktop entry, and so to the installed icons, by this name.
  QGuiApplication::setDesktopFileName("io.github.tintara.Tintara");
  QApplication::setWindowIcon(QIcon(":/art/icon.png"));
  // Settings are named after the program the user started; run on its own, this program names
  // them after itself.
  const QString started = QFile::decodeName(argv[0]);
  const QString program =
      QFileInfo(started).isAbsolute() ? started : QCoreApplication::applicationFilePath();
  tintara::MainWindow window(tintara::ProgramFiles::ForExecutable(program),
                             tintara::Desktop::Real());
  if (given.boundsGiven) window.leaveStoredPlacement();
  window.show();
  // Desktops activate a new main window themselves; a bare X server does not. Wayland leaves
  // activation to the compositor alone.
  if (!QGuiApplication::platformName().startsWith("wayland")) window.activateWindow();
  // A file given opens after the start-up picture, as "Load Other Bitmap" opens it.
  if (!given.file.isEmpty()) window.openBitmap(QFileInfo(given.file).absoluteFilePath());
  return QApplication::exec();
}
