#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tintara {

// Exit statuses of the command line.
inline constexpr int kAllWritten = 0;
inline constexpr int kSomethingBad = 1;  // an input or a code string could not be used
inline constexpr int kUsageError = 2;

// `tintara paint INPUT... (--codes CODES | --codes-file FILE | --random [--seed N])
// [--output PATTERN] [--scale N] [--page] [-j N] [-v]`: paints every input as the window would
// and writes it by the output's extension, without a window or a display. `arguments` are the
// whole command line, the program's name first. Help and, with --verbose, the files written go
// to `output`; problems go to `errors`, each naming its file; the other outputs are still
// written. Returns the exit status.
int RunPaintCommand(const std::vector<std::string>& arguments, std::ostream& output,
                    std::ostream& errors);

}  // namespace tintara
