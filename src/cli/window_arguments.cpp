#include "cli/window_arguments.h"

#include <algorithm>
#include <string_view>

#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// Where a Qt option's value goes: none, the next argument, after '=' in the same one, or either.
enum class QtValue { None, Next, Joined, NextOrJoined };

struct QtOption {
  std::string_view name;
  QtValue value;
};

// The options every Qt program on this system takes, each written with one dash or two.
constexpr QtOption kQtOptions[] = {
    {"style", QtValue::NextOrJoined},
    {"stylesheet", QtValue::NextOrJoined},
    {"widgetcount", QtValue::None},
    {"reverse", QtValue::None},
    {"qmljsdebugger", QtValue::Joined},
    {"platform", QtValue::Next},
    {"platformpluginpath", QtValue::Next},
    {"platformtheme", QtValue::Next},
    {"plugin", QtValue::Next},
    {"qwindowgeometry", QtValue::Next},
    {"qwindowicon", QtValue::Next},
    {"qwindowtitle", QtValue::Next},
    {"session", QtValue::Next},
    {"display", QtValue::Next},
    {"geometry", QtValue::Next},
    {"nograb", QtValue::None},
    {"dograb", QtValue::None},
};

const QtOption* QtOptionNamed(std::string_view name) {
  const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                  [&](const QtOption& option) { return option.name == name; });
  return found == std::end(kQtOptions) ? nullptr : &*found;
}

}  // namespace

Expected<SplitArguments> SplitQtOptions(std::span<const std::string> arguments) {
  SplitArguments split;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      split.own.insert(split.own.end(), arguments.begin() + std::ptrdiff_t(i), arguments.end());
      break;
    }
    std::string_view name = argument;
    if (name.size() < 2 || name[0] != '-') {
      split.own.push_back(argument);
      continue;
    }
    name.remove_prefix(name.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    const QtOption* option = QtOptionNamed(name.substr(0, equals));
    const bool joined = equals != std::string_view::npos;
    const bool fits = option != nullptr && (joined ? option->value == QtValue::Joined ||
                                                         option->value == QtValue::NextOrJoined
                                                   : option->value != QtValue::Joined);
    if (!fits) {
      split.own.push_back(argument);
      continue;
    }
    split.qt.push_back(argument);
    if (joined || option->value == QtValue::None) continue;
    if (i + 1 == arguments.size())
      return Problem{Filled(Tr("Missing value after '%s'."), {argument})};
    split.qt.push_back(arguments[++i]);
  }
  return split;
}

std::vector<std::string> WindowProgramArguments(std::span<const std::string> qtOptions,
                                                const std::optional<std::string>& file) {
  std::vector<std::string> arguments;
  if (file) arguments = {"--", *file};
  arguments.insert(arguments.end(), qtOptions.begin(), qtOptions.end());
  return arguments;
}

}  // namespace tintara
