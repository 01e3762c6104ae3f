// `tintara-window`: the window, started by `tintara` with `tintara`'s own path as the program's
// name and the file to open, if any.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include "app/desktop.h"
#include "app/main_window.h"
#include "platform/version.h"

int main(int argc, char* argv[]) {
  // The name the desktop lists the program under; the window caption is the main window's own.
  QCoreApplication::setApplicationName("Tintara");
  QCoreApplication::setApplicationVersion(tintara::kVersionNumber);
  // Taken before Qt reads its own options, so that a file named like one ("-reverse") still opens.
  const QString file = argc > 1 ? QFile::decodeName(argv[1]) : QString();
  QApplication application(argc, argv);
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
  window.show();
  // Desktops activate a new main window themselves; a bare X server does not. Wayland leaves
  // activation to the compositor alone.
  if (!QGuiApplication::platformName().startsWith("wayland")) window.activateWindow();
  // A file given opens after the start-up picture, as "Load Other Bitmap" opens it.
  if (!file.isEmpty()) window.openBitmap(QFileInfo(file).absoluteFilePath());
  return QApplication::exec();
}
