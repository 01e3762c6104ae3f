#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <iostream>
#include <string_view>

#include "app/desktop.h"
#include "app/main_window.h"
#include "cli/paint_command.h"
#include "cli/usage_text.h"
#include "platform/version.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The name the desktop lists the program under; the window caption is the main window's own.
  QCoreApplication::setApplicationName("Tintara");
  QCoreApplication::setApplicationVersion(tintara::kVersionNumber);
  const QStringList arguments = Arguments(argc, argv);
  // Painting from the command line and the help need no display, so they run before any window
  // application exists.
  if (arguments.size() > 1 && arguments[1] == "paint") {
    QCoreApplication application(argc, argv);
    return tintara::RunPaintCommand(arguments, std::cerr);
  }
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Recolours character skin bitmaps.\n\n"
      "  tintara paint --help    paints bitmaps from the command line, without a window");
  parser.addPositionalArgument("file", "A BMP file to open after the start-up picture.",
                               "[FILE.bmp]");
  parser.addHelpOption();
  parser.addVersionOption();
  if (!parser.parse(arguments)) {
    std::cerr << "tintara: " << parser.errorText().toStdString() << '\n';
    return tintara::kUsageError;
  }
  if (parser.isSet("help")) {
    std::cout << tintara::UsageText(parser).toStdString();
    return 0;
  }
  if (parser.isSet("version")) {
    std::cout << "Tintara " << tintara::kVersionNumber << '\n';
    return 0;
  }

  QApplication application(argc, argv);
  // Desktops match the window to its desktop entry, and so to the installed icons, by this name.
  QGuiApplication::setDesktopFileName("io.github.tintara.Tintara");
  QApplication::setWindowIcon(QIcon(":/art/icon.png"));
  tintara::MainWindow window(tintara::ProgramFiles::ForThisProgram(), tintara::Desktop::Real());
  window.show();
  // Desktops activate a new main window themselves; a bare X server does not, and the board is
  // filled on the first activation.
  window.activateWindow();
  // A file given opens after the start-up picture, as "Load Other Bitmap" opens it.
  if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
    window.openBitmap(QFileInfo(files.first()).absoluteFilePath());
  }
  return QApplication::exec();
}
