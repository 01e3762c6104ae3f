#include "cli/command_line.h"

#include <optional>

#include "cli/command_options.h"
#include "cli/commands.h"
#include "cli/option_parser.h"
#include "cli/usage_text.h"
#include "cli/window_arguments.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"
#include "platform/version.h"

namespace tintara {
namespace {

constexpr KnownOption kOptions[] = {{"help", 'h'}, {"version", 'v'}};

const Command* FirstWordCommand(const std::vector<std::string>& arguments) {
  return arguments.size() > 1 ? CommandNamed(arguments[1]) : nullptr;
}

int UsageError(std::ostream& errors, const std::string& problem) {
  errors << "tintara: " << problem << '\n' << Tr("Try 'tintara --help'.") << '\n';
  return kUsageError;
}

}  // namespace

std::variant<int, WindowStart> RunCommandLine(const std::vector<std::string>& arguments,
                                              std::ostream& output, std::ostream& errors) {
  if (const Command* command = FirstWordCommand(arguments)) {
    return command->run(arguments, output, errors);
  }
  if (arguments.size() > 1) {
    if (const std::optional<std::string_view> meant = MistypedCommand(arguments[1])) {
      errors << "tintara: "
             << Filled(Tr("'%s' is not a command or a file. Did you mean 'tintara %s'?"),
                       {ShownText(arguments[1]), *meant})
             << '\n';
      return kUsageError;
    }
  }
  const Expected<SplitArguments> split =
      SplitQtOptions(std::span(arguments).subspan(std::min<std::size_t>(1, arguments.size())));
  if (!split) return UsageError(errors, split.problem().message);
  const Expected<GivenOptions> read = ReadOptions(split->own, kOptions);
  if (!read) return UsageError(errors, read.problem().message);
  if (read->has("help")) {
    output << Tr(kProgramUsage);
    return kAllWritten;
  }
  if (read->has("version")) {
    output << "Tintara " << kVersionNumber << '\n';
    return kAllWritten;
  }
  if (read->arguments.size() > 1) {
    const std::size_t given = read->arguments.size();
    return UsageError(errors, Filled(TrN("The window opens one file; %s was given.",
                                         "The window opens one file; %s were given.", given),
                                     {std::to_string(given)}));
  }
  const std::optional<std::string> file =
      read->arguments.empty() ? std::nullopt : std::optional(read->arguments.front());
  return WindowStart{WindowProgramArguments(split->qt, file)};
}

std::string CommandLineActivity(const std::vector<std::string>& arguments) {
  if (const Command* command = FirstWordCommand(arguments)) {
    return Filled(Tr("running 'tintara %s'"), {command->name});
  }
  return Tr("reading the command line");
}

}  // namespace tintara
