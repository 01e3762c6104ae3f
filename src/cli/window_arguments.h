#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// `tintara`'s arguments for the window, apart: Qt's own options with their values ("-style
// fusion", "-style=fusion", "--reverse", "-geometry 640x480+0+0"), which the window program takes
// as any Qt program does, and the rest, which `tintara` reads itself. Everything after "--" is
// the rest. The problem is a Qt option that needs a value and has none.
struct SplitArguments {
  std::vector<std::string> qt;
  std::vector<std::string> own;
};
Expected<SplitArguments> SplitQtOptions(std::span<const std::string> arguments);

// The window program's arguments after its name: "--" and the file to open, when there is one,
// ahead of the Qt options, so that the window takes the file before Qt reads its options and a file
// named like one ("-reverse") still opens.
std::vector<std::string> WindowProgramArguments(std::span<const std::string> qtOptions,
                                                const std::optional<std::string>& file);

}  // namespace tintara
