#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tintara {

// Exit statuses of `tintara check`: whether any slots look alike; a command line, code string or
// input that cannot be used is kUsageError, so that a script never takes it for either answer.
inline constexpr int kNoneAlike = 0;
inline constexpr int kSomeAlike = 1;

// `tintara check --codes CODES [INPUT] [--fix]`: every two slots of one group that normal vision
// tells apart and protanopia, deuteranopia or tritanopia does not, one line each on `output` (see
// ReadabilityText). Without an input the slots the code string names are checked, in their
// reference colours; with one, the slots the input has, painted as `tintara paint` paints them.
// `arguments` are the whole command line, the program's name first. Help goes to `output`,
// problems to `errors`. Returns the exit status. With --fix it prints instead the code string
// FixReadability makes (kNoneAlike), or names the pairs it cannot fix (kSomeAlike).
int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& output,
                    std::ostream& errors);

}  // namespace tintara
