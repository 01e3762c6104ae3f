#include "cli/output_names.h"

#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {

bool IsUsableName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

std::string LabelOf(const std::optional<std::string>& name, int line) {
  return name ? *name : std::to_string(line);
}

std::optional<std::string> LabelProblem(const std::string& label, std::set<std::string>& taken) {
  if (!IsUsableName(label)) {
    return Filled(Tr("the name '%s' cannot be put in {label}"), {ShownText(label)});
  }
  if (!taken.insert(label).second) {
    return Filled(Tr("the name '%s' is an earlier line's too: its output would be the same"),
                  {ShownText(label)});
  }
  return std::nullopt;
}

std::string OutputPath(std::string_view pattern, std::string_view name, int line,
                       std::string_view label) {
  std::string path;
  while (!pattern.empty()) {
    if (pattern.starts_with("{name}")) {
      path += name;
      pattern.remove_prefix(6);
    } else if (pattern.starts_with("{label}")) {
      path += label;
      pattern.remove_prefix(7);
    } else if (pattern.starts_with("{n}")) {
      path += std::to_string(line);
      pattern.remove_prefix(3);
    } else {
      path += pattern.front();
      pattern.remove_prefix(1);
    }
  }
  return path;
}

}  // namespace tintara
