#include "app/window_command_line.h"

#include <QFile>
#include <algorithm>
#include <string_view>

namespace tintara {

WindowCommandLine TakeWindowCommandLine(int& argc, char** argv) {
  WindowCommandLine taken;
  int first = 1;  // where Qt's options start
  if (argc > 2 && std::string_view(argv[1]) == "--") {
    taken.file = QFile::decodeName(argv[2]);
    first = 3;
  } else if (argc > 1 && argv[1][0] != '-') {
    taken.file = QFile::decodeName(argv[1]);
    first = 2;
  }
  std::copy(argv + first, argv + argc + 1, argv + 1);  // with the closing null
  argc -= first - 1;
  for (int i = 1; i < argc; ++i) {
    std::string_view option = argv[i];
    if (option.starts_with("--")) option.remove_prefix(1);
    if (option == "-geometry" || option == "-qwindowgeometry") taken.boundsGiven = true;
  }
  return taken;
}

}  // namespace tintara
