#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintara {

// One line of a code book, which is also a codes file: "<code string> # <name>". The code string
// is everything before the line's last " # ", kept exactly; the name is what follows it.
struct CodeBookLineParts {
  bool comment = false;  // an empty line or one that starts with '#': no code string
  std::string_view codes;
  std::optional<std::string_view> name;  // none when the line has no " # "
};

// The separator between a line's code string and its name.
inline constexpr std::string_view kNameSeparator = " # ";

// A line longer than this, its line break left out, is no code string: a codes file and the code
// book tell it and do not read it.
inline constexpr std::size_t kLongestCodeLine = std::size_t{64} << 10;
// Why such a line is not read.
std::string LongLineReason();

CodeBookLineParts SplitCodeBookLine(std::string_view line);

}  // namespace tintara
