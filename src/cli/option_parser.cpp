#include "cli/option_parser.h"

#include <algorithm>

#include "platform/filled_text.h"
#include "platform/number_reader.h"
#include "platform/translation.h"

namespace tintara {
namespace {

const KnownOption* Find(std::span<const KnownOption> known, std::string_view name, char letter) {
  const auto found = std::find_if(known.begin(), known.end(), [&](const KnownOption& option) {
    return letter != 0 ? option.letter == letter : option.name == name;
  });
  return found == known.end() ? nullptr : &*found;
}

Problem Unknown(std::string_view option) {
  return Problem{Filled(Tr("Unknown option '%s'."), {option})};
}

}  // namespace

Expected<GivenOptions> ReadOptions(std::span<const std::string> arguments,
                                   std::span<const KnownOption> known) {
  GivenOptions given;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      given.arguments.insert(given.arguments.end(), arguments.begin() + std::ptrdiff_t(i) + 1,
                             arguments.end());
      break;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      given.arguments.push_back(argument);
      continue;
    }
    const bool isLong = argument[1] == '-';
    std::string_view name;
    std::optional<std::string> attached;  // a value written into the same argument
    const KnownOption* option = nullptr;
    if (isLong) {
      const std::string_view text = std::string_view(argument).substr(2);
      const std::size_t equals = text.find('=');
      name = text.substr(0, equals);
      if (equals != std::string_view::npos) attached = std::string(text.substr(equals + 1));
      option = Find(known, name, 0);
      if (option == nullptr) return Unknown(name);
    } else {
      option = Find(known, {}, argument[1]);
      if (option == nullptr) return Unknown(std::string_view(argument).substr(1, 1));
      if (argument.size() > 2) {
        if (!option->takesValue) return Unknown(std::string_view(argument).substr(1));
        attached = argument.substr(2);
      }
    }
    const std::string shown =
        (isLong ? "--" : "-") + std::string(isLong ? name : argument.substr(1, 1));
    if (!option->takesValue) {
      if (attached) return Problem{Filled(Tr("Unexpected value after '%s'."), {shown})};
      given.options[std::string(option->name)] = "";
      continue;
    }
    if (!attached) {
      if (i + 1 == arguments.size())
        return Problem{Filled(Tr("Missing value after '%s'."), {shown})};
      attached = arguments[++i];
    }
    given.options[std::string(option->name)] = *attached;
  }
  return given;
}

std::optional<std::uint32_t> WholeNumber(std::string_view text, std::uint32_t most) {
  const LeadingDigits digits = ReadLeadingDigits(text, 10, std::uint64_t{most} + 1);
  if (digits.count == 0 || digits.count != text.size() || digits.value > most) return std::nullopt;
  return static_cast<std::uint32_t>(digits.value);
}

}  // namespace tintara
