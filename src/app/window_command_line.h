#pragma once

#include <QString>

namespace tintara {

// What the window program takes from its command line beside Qt's own options: the file to open
// (empty for none) and whether the bounds of this run were given (-geometry, -qwindowgeometry).
struct WindowCommandLine {
  QString file;
  bool boundsGiven = false;
};

// Takes the file out of the arguments before Qt reads its options, so that a file named like one
// ("-reverse") still opens: "--" and the file after it when they come first, as `tintara` hands
// them on, else a first argument that is no option; what is left is for Qt. Options after the
// file are Qt's. `argc` and `argv` are main's, the program's name first.
WindowCommandLine TakeWindowCommandLine(int& argc, char** argv);

}  // namespace tintara
