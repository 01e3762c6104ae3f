#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// An option the command line knows: "--name", or "-n" when it has a letter, followed by a value
// when it takes one ("--name VALUE", "--name=VALUE", "-n VALUE", "-nVALUE").
struct KnownOption {
  std::string_view name;
  char letter = 0;
  bool takesValue = false;
};

// The options given, each by its long name with its last value ("" for one without a value), and
// the other arguments in order; every argument after "--" is one of them.
struct GivenOptions {
  std::map<std::string, std::string, std::less<>> options;
  std::vector<std::string> arguments;

  bool has(std::string_view name) const { return options.find(name) != options.end(); }
  const std::string& value(std::string_view name) const { return options.find(name)->second; }
};

// Reads the arguments against the options, or tells the first it cannot read: "Unknown option
// 'colour'.", "Missing value after '--codes'.", "Unexpected value after '--page'.".
Expected<GivenOptions> ReadOptions(std::span<const std::string> arguments,
                                   std::span<const KnownOption> known);

// An option's value as a decimal number from 0 to `most`, and nothing else.
std::optional<std::uint32_t> WholeNumber(std::string_view text, std::uint32_t most);

}  // namespace tintara
