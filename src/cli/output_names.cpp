#include "cli/output_names.h"

namespace tintara {

bool IsUsableName(std::string_view name) { return !name.empty() && name != "." && name != ".."; }

std::string OutputPath(std::string_view pattern, std::string_view name, int line) {
  std::string path;
  while (!pattern.empty()) {
    if (pattern.starts_with("{name}")) {
      path += name;
      pattern.remove_prefix(6);
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
