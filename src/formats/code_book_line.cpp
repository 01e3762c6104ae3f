#include "formats/code_book_line.h"

namespace tintara {

std::string LongLineReason() {
  return "the line is longer than " + std::to_string(kLongestCodeLine) + " bytes";
}

CodeBookLineParts SplitCodeBookLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return {true, {}, std::nullopt};
  const std::size_t separator = line.rfind(kNameSeparator);
  if (separator == std::string_view::npos) return {false, line, std::nullopt};
  return {false, line.substr(0, separator), line.substr(separator + kNameSeparator.size())};
}

}  // namespace tintara
