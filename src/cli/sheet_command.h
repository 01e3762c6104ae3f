#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tintara {

// `tintara sheet [INPUT.bmp...] (--codes CODES | --codes-file FILE | --random [--seed N]
// [--count N]) --output SHEET.png [--columns N] [--scale N] [--labels]`: one PNG with every input
// painted with every code string as `tintara paint` paints it, a row a code string and a column an
// input, or the cells of all rows wrapped into N columns. Without inputs, the catalogue's pictures
// in `artworkFolder`. `arguments` are the whole command line, the program's name first. Help goes
// to `output`, problems to `errors`; an input or code string that cannot be used is told and left
// out. Returns the exit status.
int RunSheetCommand(const std::vector<std::string>& arguments, const std::string& artworkFolder,
                    std::ostream& output, std::ostream& errors);

}  // namespace tintara
