#include <QApplication>

#include "app/form1.h"
#include "app/version.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The name the desktop lists the program under; the window caption is the main window's own.
  QApplication::setApplicationName(tintara::kApplicationTitle);
  tintara::TForm1 form;
  form.show();
  return QApplication::exec();
}
