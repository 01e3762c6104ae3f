#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_options.h"

namespace tintara {

// `tintara paint INPUT... (--codes CODES | --codes-file FILE | --random [--seed N]
// [--harmony MODE] [--count N]) [--shade SLOTS] [--lock SLOTS] [--any-skin-colour]
// [--output PATTERN] [--delay MS] [--scale N] [--page] [--vision VIEW] [-j N] [-v]`: paints every
// input as the window would, shading the groups of --shade's slots after the codes, and writes it
// by the output's extension (a .gif: one animation an input), without a window or a display.
// `arguments` are the whole command line, the program's name first. Help and, with --verbose, the
// files written go to `output`; problems go to `errors`, each naming its file; the other outputs
// are still written. Returns the exit status.
int RunPaintCommand(const std::vector<std::string>& arguments, std::ostream& output,
                    std::ostream& errors);

}  // namespace tintara
