#include "cli/commands.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

#include "cli/check_command.h"
#include "cli/paint_command.h"
#include "cli/palette_command.h"
#include "cli/program_folder.h"
#include "cli/sheet_command.h"
#include "platform/this_program.h"

namespace tintara {
namespace {

constexpr Command kCommands[] = {
    {"paint", RunPaintCommand},
    {"sheet",
     [](const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors) {
       return RunSheetCommand(arguments, ArtworkFolder(ThisProgram()), output, errors);
     }},
    {"check", RunCheckCommand},
    {"palette", RunPaletteCommand},
};

constexpr std::size_t kMostEdits = 2;

// The fewest letters put in, left out or changed that make one word the other.
std::size_t EditDistance(std::string_view from, std::string_view to) {
  std::vector<std::size_t> previous(to.size() + 1);
  std::iota(previous.begin(), previous.end(), std::size_t{0});
  std::vector<std::size_t> current(to.size() + 1);
  for (std::size_t i = 1; i <= from.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= to.size(); ++j) {
      const std::size_t changed = previous[j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, changed});
    }
    std::swap(previous, current);
  }
  return previous[to.size()];
}

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* CommandNamed(std::string_view name) {
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [&](const Command& command) { return command.name == name; });
  return found == std::end(kCommands) ? nullptr : &*found;
}

std::optional<std::string_view> MistypedCommand(std::string_view word) {
  if (word.empty() || word.front() == '-' || word.find_first_of("/.") != std::string_view::npos) {
    return std::nullopt;
  }
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(std::string(word), error))) {
    return std::nullopt;
  }
  std::optional<std::string_view> nearest;
  std::size_t fewest = kMostEdits + 1;
  for (const Command& command : kCommands) {
    const std::size_t edits = EditDistance(word, command.name);
    if (edits < fewest) {
      nearest = command.name;
      fewest = edits;
    }
  }
  return nearest;
}

}  // namespace tintara
