#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_options.h"

namespace tintara {
namespace {

struct Ran {
  std::variant<int, WindowStart> outcome;
  std::string output;
  std::string errors;
};

Ran RunTintara(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "tintara");
  std::ostringstream output;
  std::ostringstream errors;
  std::variant<int, WindowStart> outcome = RunCommandLine(arguments, output, errors);
  return {std::move(outcome), output.str(), errors.str()};
}

std::vector<std::string> WindowArguments(const Ran& ran) {
  const auto* start = std::get_if<WindowStart>(&ran.outcome);
  EXPECT_NE(start, nullptr) << ran.errors;
  return start == nullptr ? std::vector<std::string>{} : start->arguments;
}

TEST(CommandLine, AMistypedCommandIsRefusedWithTheCommandItWasLikelyMeantToBe) {
  const Ran ran = RunTintara({"pant", "hero.bmp"});
  ASSERT_TRUE(std::holds_alternative<int>(ran.outcome));
  EXPECT_EQ(std::get<int>(ran.outcome), kUsageError);
  EXPECT_EQ(ran.errors,
            "tintara: 'pant' is not a command or a file. Did you mean 'tintara paint'?\n");
}

// The file goes first, after "--", so that the window takes it before Qt reads its options.
TEST(CommandLine, QtOptionsAndTheirValuesGoToTheWindowBehindTheFile) {
  EXPECT_EQ(
      WindowArguments(RunTintara({"-style", "fusion", "hero.bmp", "--reverse", "-style=fusion"})),
      (std::vector<std::string>{"--", "hero.bmp", "-style", "fusion", "--reverse",
                                "-style=fusion"}));
  EXPECT_EQ(WindowArguments(RunTintara({"-geometry", "640x480", "--", "-reverse"})),
            (std::vector<std::string>{"--", "-reverse", "-geometry", "640x480"}));
  const Ran missing = RunTintara({"hero.bmp", "-platform"});
  EXPECT_EQ(missing.errors, "tintara: Missing value after '-platform'.\nTry 'tintara --help'.\n");
}

}  // namespace
}  // namespace tintara
