#include "cli/check_command.h"

#include <variant>

#include "cli/command_options.h"
#include "cli/usage_text.h"
#include "paint/code_string.h"
#include "paint/painting.h"
#include "paint/readability.h"
#include "paint/reference_palette.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

constexpr KnownOption kOptions[] = {{"codes", 0, true}, {"help", 'h'}};

// The slots the code string names, in their reference colours.
std::vector<ReadabilityPair> PairsOfCodes(const CodeStringReading& reading) {
  SlotColours colours{};
  ShownSlots shown{};
  for (const SlotAssignment& assignment : reading.assignments) {
    colours[static_cast<std::size_t>(assignment.slot - 1)] = ReferenceColour(assignment.code);
    shown[static_cast<std::size_t>(assignment.slot - 1)] = true;
  }
  return UnreadablePairs(colours, shown);
}

// The slots the input has, painted with the code string; or why it cannot be checked.
std::variant<std::vector<ReadabilityPair>, std::string> PairsOfInput(const std::string& path,
                                                                     const std::string& codes) {
  Expected<BitmapToPaint> file =
      ReadBitmapToPaint(path, {.shownPath = path, .limits = kColourTableOnly});
  if (!file) return file.problem().message;
  if (!file->bitmap.hasColourTable()) {
    return ShownText(path) + " has no colour table: nothing to check";
  }
  Expected<Document> painted =
      PaintedWithCodes(LoadedDocument(std::move(file->bitmap), file->storedCodes), codes);
  if (!painted) return painted.problem().message;
  return UnreadablePairs(*painted);
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& output,
                    std::ostream& errors) {
  const auto fail = [&](const Failure& failure) {
    (failure.status == kAllWritten ? output : errors) << failure.message;
    return failure.status;
  };
  const auto usage = [&](const std::string& problem) {
    return fail(UsageFailure("check", problem));
  };
  std::variant<GivenOptions, Failure> read =
      ReadCommandOptions("check", arguments, kOptions, kCheckUsage);
  if (const auto* failure = std::get_if<Failure>(&read)) return fail(*failure);
  const GivenOptions& given = std::get<GivenOptions>(read);
  if (!given.has("codes")) return usage("No code string given: --codes CODES.");
  if (given.arguments.size() > 1) return usage("Give one input at most.");
  const std::string& codes = given.value("codes");
  const CodeStringReading reading = ReadCodeString(codes);
  if (reading.badToken) return usage(BadTokenMessage(*reading.badToken));

  std::vector<ReadabilityPair> pairs;
  if (given.arguments.empty()) {
    pairs = PairsOfCodes(reading);
  } else {
    auto checked = PairsOfInput(given.arguments.front(), codes);
    if (const auto* problem = std::get_if<std::string>(&checked)) {
      errors << "tintara: " << *problem << '\n';
      return kUsageError;
    }
    pairs = std::move(std::get<std::vector<ReadabilityPair>>(checked));
  }
  output << ReadabilityReport(pairs) << '\n';
  return pairs.empty() ? kNoneAlike : kSomeAlike;
}

}  // namespace tintara
