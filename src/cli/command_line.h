#pragma once

#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace tintara {

// The window program to start, with these arguments after its name (WindowProgramArguments).
struct WindowStart {
  std::vector<std::string> arguments;
};

// What `tintara` makes of its whole command line, the program's name first: a command run, a
// mistyped command refused with the command it was likely meant to be, help or the version
// printed, a wrong command line told, each with its exit status; or the window to start.
std::variant<int, WindowStart> RunCommandLine(const std::vector<std::string>& arguments,
                                              std::ostream& output, std::ostream& errors);

// What the command line is doing, as a message about a fault of the program says it: "running
// 'tintara sheet'", "reading the command line".
std::string CommandLineActivity(const std::vector<std::string>& arguments);

}  // namespace tintara
