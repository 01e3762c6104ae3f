#include "formats/code_book_line.h"

#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {

std::string LongLineReason() {
  return Filled(Tr("the line is longer than %s bytes"), {std::to_string(kLongestCodeLine)});
}

CodeBookLineParts SplitCodeBookLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return {true, {}, std::nullopt};
  const std::size_t separator = line.rfind(kNameSeparator);
  if (separator == std::string_view::npos) return {false, line, std::nullopt};
  return {false, line.substr(0, separator), line.substr(separator + kNameSeparator.size())};
}

}  // namespace tintara
