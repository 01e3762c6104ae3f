#pragma once

#include <string>
#include <string_view>

namespace tintara {

// What an input's name may stand for in an output pattern: a name that is empty, "." or ".."
// would lead the output out of the pattern's folder.
bool IsUsableName(std::string_view name);

// The pattern with its placeholders filled in one pass: "{name}" by the input's name, "{n}" by the
// line. What a name brings in is never taken for a placeholder itself.
std::string OutputPath(std::string_view pattern, std::string_view name, int line);

}  // namespace tintara
