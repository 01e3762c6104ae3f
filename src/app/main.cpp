#include <QApplication>

#include "app/form1.h"
#include "app/version.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The name the desktop lists the program under; the window caption is the main window's own.
  QApplication::setApplicationName(tintara::kApplicationTitle);
  tintara::TForm1 form;
  form.show();
  // Desktops activate a new main window themselves; a bare X server does not, and the board is
  // filled on the first activation.
  form.activateWindow();
  return QApplication::exec();
}
