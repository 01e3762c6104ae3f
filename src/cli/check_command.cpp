#include "cli/check_command.h"

#include <variant>

#include "cli/command_options.h"
#include "cli/usage_text.h"
#include "paint/code_string.h"
#include "paint/painting.h"
#include "paint/readability.h"
#include "paint/readability_fixes.h"
#include "paint/reference_palette.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr KnownOption kOptions[] = {{"codes", 0, true}, {"fix"}, {"help", 'h'}};

// The slots checked: their colours, whether each is checked, and the code string's tokens, which
// a fix rewrites.
struct CheckedSlots {
  SlotColours colours{};
  ShownSlots shown{};
  std::vector<std::string> tokens;
};

// The slots the code string names, in their reference colours.
CheckedSlots SlotsOfCodes(const CodeStringReading& reading) {
  CheckedSlots slots;
  for (const SlotAssignment& assignment : reading.assignments) {
    slots.colours[static_cast<std::size_t>(assignment.slot - 1)] = ReferenceColour(assignment.code);
    slots.shown[static_cast<std::size_t>(assignment.slot - 1)] = true;
    slots.tokens.push_back(assignment.token);
  }
  return slots;
}

// The slots the input has, painted with the code string; or why it cannot be checked.
std::variant<CheckedSlots, std::string> SlotsOfInput(const std::string& path,
                                                     const std::string& codes) {
  Expected<BitmapToPaint> file =
      ReadBitmapToPaint(path, {.shownPath = path, .limits = kColourTableOnly});
  if (!file) return file.problem().message;
  if (!file->bitmap.hasColourTable()) {
    return Filled(Tr("%s has no colour table: nothing to check"), {ShownText(path)});
  }
  Expected<Document> painted =
      PaintedWithCodes(LoadedDocument(std::move(file->bitmap), file->storedCodes), codes);
  if (!painted) return painted.problem().message;
  CheckedSlots slots;
  for (int s = 1; s <= kSlotCount; ++s) {
    slots.colours[static_cast<std::size_t>(s - 1)] = SlotFill(*painted, s);
    slots.shown[static_cast<std::size_t>(s - 1)] = SlotShown(*painted, s);
    slots.tokens.push_back(std::to_string(Slot(*painted, s).code));
  }
  return slots;
}

// Prints the code string with the fewest changes that make every pair readable, or names the
// pairs no change within the search's bound fixes.
int PrintFix(CheckedSlots slots, std::ostream& output, std::ostream& errors) {
  const ReadabilityFix fix = FixReadability(slots.colours, slots.shown);
  if (!fix.unfixable.empty()) {
    for (const ReadabilityPair& pair : fix.unfixable) {
      errors << "tintara: "
             << Filled(Tr("Cannot fix %s: no change of up to %s slots of the group, each to one "
                          "of its %s nearest codes, does"),
                       {ReadabilityText(pair), std::to_string(kMostFixedSlots),
                        std::to_string(kFixCandidates)})
             << '\n';
    }
    return kSomeAlike;
  }
  for (const SlotChange& change : fix.changes) {
    slots.tokens[static_cast<std::size_t>(change.slot - 1)] = std::to_string(change.code);
  }
  std::string codes;
  for (const std::string& token : slots.tokens) codes += token + ' ';
  output << codes << '\n';
  return kNoneAlike;
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
  if (!given.has("codes")) return usage(Tr("No code string given: --codes CODES."));
  if (given.arguments.size() > 1) return usage(Tr("Give one input at most."));
  const std::string& codes = given.value("codes");
  const CodeStringReading reading = ReadCodeString(codes);
  if (reading.badToken) return usage(BadTokenMessage(*reading.badToken));

  CheckedSlots slots;
  if (given.arguments.empty()) {
    slots = SlotsOfCodes(reading);
  } else {
    auto checked = SlotsOfInput(given.arguments.front(), codes);
    if (const auto* problem = std::get_if<std::string>(&checked)) {
      errors << "tintara: " << *problem << '\n';
      return kUsageError;
    }
    slots = std::move(std::get<CheckedSlots>(checked));
  }
  if (given.has("fix")) return PrintFix(std::move(slots), output, errors);
  const std::vector<ReadabilityPair> pairs = UnreadablePairs(slots.colours, slots.shown);
  output << ReadabilityLines(pairs) << '\n';
  return pairs.empty() ? kNoneAlike : kSomeAlike;
}

}  // namespace tintara
