#include "cli/command_options.h"

#include <algorithm>

#include "paint/painted_skin.h"
#include "platform/clock.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {

Failure UsageFailure(std::string_view command, const std::string& problem) {
  const std::string name = "tintara " + std::string(command);
  return {kUsageError,
          name + ": " + problem + '\n' + Filled(Tr("Try '%s --help'."), {name}) + '\n'};
}

std::variant<GivenOptions, Failure> ReadCommandOptions(std::string_view command,
                                                       const std::vector<std::string>& arguments,
                                                       std::span<const KnownOption> known,
                                                       const char* help) {
  Expected<GivenOptions> read =
      ReadOptions(std::span(arguments).subspan(std::min<std::size_t>(2, arguments.size())), known);
  if (!read) return UsageFailure(command, read.problem().message);
  if (read->has("help")) return Failure{kAllWritten, Tr(help)};
  return std::move(*read);
}

std::optional<std::string> CodeSourceProblem(const GivenOptions& given) {
  const int sources = int(given.has("codes")) + int(given.has("codes-file")) +
                      int(given.has("palette")) + int(given.has("random"));
  if (sources == 1) return std::nullopt;
  return Tr("Give exactly one of --codes, --codes-file, --palette and --random.");
}

Expected<std::uint32_t> SeedOption(const GivenOptions& given) {
  if (!given.has("seed")) return TimeOfDayMillisecondsUtc();
  const std::optional<std::uint32_t> seed = WholeNumber(given.value("seed"), 0xFFFFFFFF);
  if (!seed) return Problem{Tr("The seed must be a whole number from 0 to 4294967295.")};
  return *seed;
}

Expected<int> ScaleOption(const GivenOptions& given) {
  const std::optional<std::uint32_t> scale =
      given.has("scale") ? WholeNumber(given.value("scale"), 8) : 1;
  if (!scale ||
      std::find(kSkinScales.begin(), kSkinScales.end(), int(*scale)) == kSkinScales.end()) {
    return Problem{Tr("The scale must be 1, 2, 3, 4 or 8.")};
  }
  return int(*scale);
}

}  // namespace tintara
