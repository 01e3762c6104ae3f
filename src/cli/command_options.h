#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/option_parser.h"
#include "platform/problem.h"

namespace tintara {

// Exit statuses of the command line.
inline constexpr int kAllWritten = 0;
inline constexpr int kSomethingBad = 1;  // an input or a code string could not be used
inline constexpr int kUsageError = 2;
inline constexpr int kProgramFault = 70;  // a fault of this program, or too little memory

// What a command prints instead of running, and its exit status.
struct Failure {
  int status;
  std::string message;
};

// A wrong command line, in one line and a pointer to the command's help:
// "tintara paint: <problem>\nTry 'tintara paint --help'.\n".
Failure UsageFailure(std::string_view command, const std::string& problem);

// The options of `tintara <command>`, read from the whole command line (the program's name and
// the command are not the command's own), or what to print instead: the usage error, or `help`
// in the user's language for --help.
std::variant<GivenOptions, Failure> ReadCommandOptions(std::string_view command,
                                                       const std::vector<std::string>& arguments,
                                                       std::span<const KnownOption> known,
                                                       const char* help);

// The options both painting commands take, each read or refused in the same words: exactly one
// source of codes, the seed of --random (the time of day without --seed), and the scale.
std::optional<std::string> CodeSourceProblem(const GivenOptions& given);
Expected<std::uint32_t> SeedOption(const GivenOptions& given);
Expected<int> ScaleOption(const GivenOptions& given);

}  // namespace tintara
