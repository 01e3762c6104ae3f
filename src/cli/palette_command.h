#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// The code string a palette file paints with, as `tintara palette` prints it (see
// PaletteCodesForEverySlot), for --palette of `paint` and `sheet`; the problem names the file.
Expected<std::string> PaletteFileCodes(const std::string& path);

// `tintara palette FILE [--output OUT]`: prints the palette's code string, then a line a colour,
// "#RRGGBB CODE DISTANCE", its nearest code and how far apart they look in OKLab (three decimals,
// the C locale); with --output, writes the palette again in the format of OUT's extension.
// `arguments` are the whole command line, the program's name first. Returns the exit status: 1 for
// a palette that cannot be read or written, 2 for a wrong command line.
int RunPaletteCommand(const std::vector<std::string>& arguments, std::ostream& output,
                      std::ostream& errors);

}  // namespace tintara
