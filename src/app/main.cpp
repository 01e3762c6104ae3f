#include <QApplication>

#include "app/desktop.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The name the desktop lists the program under; the window caption is the main window's own.
  QApplication::setApplicationName("Tintara");
  tintara::MainWindow window(tintara::ProgramFiles::ForThisProgram(), tintara::Desktop::Real());
  window.show();
  // Desktops activate a new main window themselves; a bare X server does not, and the board is
  // filled on the first activation.
  window.activateWindow();
  return QApplication::exec();
}
