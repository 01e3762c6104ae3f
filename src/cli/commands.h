#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tintara {

// A command of `tintara`, named by the first word of the command line. `run` takes the whole
// command line, the program's name first, prints help and results on `output` and problems on
// `errors`, and returns the exit status.
struct Command {
  std::string_view name;
  int (*run)(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors);
};

// Every command, the one table that both runs them and suggests them for a mistyped word.
std::span<const Command> Commands();

// The command of that name; none when there is none.
const Command* CommandNamed(std::string_view name);

// The command a first word was likely meant to be: the first of the nearest commands within two
// edits (a letter put in, left out or changed). Only a word that could not be a file to open is
// taken for one: a word that names an existing file, or holds a '/' or a '.', or starts with '-'
// is none.
std::optional<std::string_view> MistypedCommand(std::string_view word);

}  // namespace tintara
