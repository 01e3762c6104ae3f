#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace tintara {

// What an input's or a code string's name may stand for in an output pattern: a name that is
// empty, "." or "..", or that holds a '/', would lead the output out of the pattern's folder.
bool IsUsableName(std::string_view name);

// The pattern with its placeholders filled in one pass: "{name}" by the input's name, "{n}" by the
// line, "{label}" by the code string's label. What a name brings in is never taken for a
// placeholder itself.
std::string OutputPath(std::string_view pattern, std::string_view name, int line,
                       std::string_view label);

// What "{label}" stands for: the code string's name, or without one its line, as "{n}".
std::string LabelOf(const std::optional<std::string>& name, int line);

// Why a label cannot fill "{label}": it is not a usable name, or it is among those taken by the
// earlier code strings, whose outputs it would write over. A usable label is added to them.
std::optional<std::string> LabelProblem(const std::string& label, std::set<std::string>& taken);

}  // namespace tintara
