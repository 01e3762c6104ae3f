#pragma once

#include <functional>
#include <ostream>
#include <string_view>

namespace tintara {

// Runs `run` and gives back its exit status; an exception it lets out, a fault of this program or
// a lack of memory and never a fault of the input, is told on `errors` in one line naming what the
// program was doing ("running 'tintara sheet'"), and gives kProgramFault.
int RunCatchingFaults(std::string_view doing, const std::function<int()>& run,
                      std::ostream& errors);

}  // namespace tintara
