#include "cli/paint_command.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <thread>
#include <variant>

#include "cli/animation_painting.h"
#include "cli/batch_painting.h"
#include "cli/codes_file.h"
#include "cli/option_parser.h"
#include "cli/output_names.h"
#include "cli/paint_request.h"
#include "cli/palette_command.h"
#include "cli/slot_list.h"
#include "cli/usage_text.h"
#include "platform/filled_text.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// More threads than this would only cost memory.
constexpr int kMostJobs = 256;

constexpr KnownOption kOptions[] = {
    {"codes", 0, true},   {"codes-file", 0, true},
    {"random"},           {"seed", 0, true},
    {"harmony", 0, true}, {"lock", 0, true},
    {"any-skin-colour"},  {"output", 0, true},
    {"scale", 0, true},   {"page"},
    {"jobs", 'j', true},  {"verbose", 'v'},
    {"help", 'h'},        {"vision", 0, true},
    {"shade", 0, true},   {"count", 0, true},
    {"delay", 0, true},   {"palette", 0, true},
};

constexpr std::uint32_t kMostRolls = 1000;
// Browsers show frames shorter than 20 ms for longer; a GIF counts hundredths of a second.
constexpr std::uint32_t kLeastDelayMs = 20;
constexpr std::uint32_t kMostDelayMs = 655350;

// The options that say how random codes roll, and those that say how shading keeps slots too.
constexpr std::string_view kRandomOptions[] = {"seed", "harmony", "count"};
constexpr std::string_view kKeepingOptions[] = {"lock", "any-skin-colour"};

// The views --vision takes, by the short names of the deficiencies.
std::optional<Vision> VisionNamed(std::string_view name) {
  if (name == "protan") return Vision::Protanopia;
  if (name == "deutan") return Vision::Deuteranopia;
  if (name == "tritan") return Vision::Tritanopia;
  if (name == "achroma") return Vision::Achromatopsia;
  return std::nullopt;
}

// How many code strings the request's codes file holds, counted up to two: a file of one needs no
// {n}. Standard input can be read only once: it is kept open in the request with them read ahead.
Expected<int> CodeStringsUpToTwo(PaintRequest& request) {
  Expected<CodesFile> file = CodesFile::Open(*request.codesFile);
  if (!file) return std::move(file).problem();
  const auto count = static_cast<int>(file->ReadAhead(2));
  if (*request.codesFile == kStandardInput) {
    request.standardInput = std::make_shared<CodesFile>(std::move(*file));
  }
  return count;
}

// Two outputs must not land on one file, and an input's name must not lead out of the pattern's
// folder: both are refused before anything is written.
std::optional<std::string> NameProblem(const PaintRequest& request) {
  if (request.pattern.find("{name}") == std::string::npos) return std::nullopt;
  std::map<std::string, std::string> inputOfName;
  for (const std::string& input : request.inputs) {
    const std::string name(StemOf(input));
    if (!IsUsableName(name)) {
      return Filled(Tr("%s has no name to put in {name}."), {ShownText(input)});
    }
    const auto [other, added] = inputOfName.emplace(name, input);
    if (!added) {
      return Filled(Tr("%s and %s would be written to the same outputs."),
                    {ShownText(other->second), ShownText(input)});
    }
  }
  return std::nullopt;
}

// The slots of --shade, one a group.
Expected<std::vector<int>> ShadeSlots(std::string_view text) {
  const Expected<SlotLocks> listed = ReadSlotList(text);
  if (!listed) return listed.problem();
  std::vector<int> slots;
  std::array<int, kGroupCount> shadedFrom{};
  for (int s = 1; s <= kSlotCount; ++s) {
    if (!(*listed)[static_cast<std::size_t>(s - 1)]) continue;
    const int group = kSlots[static_cast<std::size_t>(s - 1)].group;
    int& other = shadedFrom[static_cast<std::size_t>(group - 1)];
    if (other != 0) {
      return Problem{Filled(Tr("Slots %s and %s are both of %s: shade a group from one slot."),
                            {std::to_string(other), std::to_string(s), GroupName(group)})};
    }
    other = s;
    slots.push_back(s);
  }
  return slots;
}

// The request the command line makes, or why it makes none.
std::variant<PaintRequest, Failure> ReadRequest(const std::vector<std::string>& arguments) {
  const auto usage = [](const std::string& problem) { return UsageFailure("paint", problem); };
  std::variant<GivenOptions, Failure> read =
      ReadCommandOptions("paint", arguments, kOptions, kPaintUsage);
  if (auto* failure = std::get_if<Failure>(&read)) return std::move(*failure);
  const GivenOptions& given = std::get<GivenOptions>(read);

  PaintRequest request;
  request.inputs = given.arguments;
  if (request.inputs.empty()) return usage(Tr("No input bitmap given."));
  if (std::optional<std::string> problem = CodeSourceProblem(given)) return usage(*problem);
  if (given.has("codes")) request.codes = given.value("codes");
  if (given.has("palette")) {
    const Expected<std::string> codes = PaletteFileCodes(given.value("palette"));
    if (!codes) return Failure{kSomethingBad, "tintara: " + codes.problem().message + "\n"};
    request.codes = *codes;
  }
  int codeStrings = 1;
  if (given.has("codes-file")) {
    request.codesFile = given.value("codes-file");
    const Expected<int> count = CodeStringsUpToTwo(request);
    if (!count)
      return Failure{kSomethingBad, UnreadableCodesFile(*request.codesFile, count.problem())};
    if (*count == 0)
      return usage(
          Filled(Tr("%s holds no code string."), {ShownCodesFileName(*request.codesFile)}));
    codeStrings = *count;
  }
  for (const std::string_view option : kRandomOptions) {
    if (given.has(option) && !given.has("random")) {
      return usage(Filled(Tr("--%s goes with --random."), {option}));
    }
  }
  const Expected<std::uint32_t> seed = SeedOption(given);
  if (!seed) return usage(seed.problem().message);
  request.seed = *seed;
  if (given.has("harmony")) {
    const std::optional<Harmony> harmony = HarmonyNamed(given.value("harmony"));
    if (!harmony) {
      return usage(
          Filled(Tr("'%s' is not a harmony: free, analogous, complementary, triad or tones."),
                 {ShownToken(given.value("harmony"))}));
    }
    request.randomCodes.harmony = *harmony;
  }
  for (const std::string_view option : kKeepingOptions) {
    if (given.has(option) && !given.has("random") && !given.has("shade")) {
      return usage(Filled(Tr("--%s goes with --random or --shade."), {option}));
    }
  }
  if (given.has("count")) {
    const std::optional<std::uint32_t> count = WholeNumber(given.value("count"), kMostRolls);
    if (!count || *count < 1) return usage(Tr("The count must be from 1 to 1000."));
    request.count = *count;
    codeStrings = int(*count);
  }
  if (given.has("shade")) {
    const Expected<std::vector<int>> shades = ShadeSlots(given.value("shade"));
    if (!shades) return usage(shades.problem().message);
    request.shades = *shades;
  }
  request.randomCodes.anyColourForSkin = given.has("any-skin-colour");
  if (given.has("lock")) {
    const Expected<SlotLocks> locks = ReadSlotList(given.value("lock"));
    if (!locks) return usage(locks.problem().message);
    request.locks = *locks;
  }
  request.pattern = given.has("output")
                        ? given.value("output")
                        : (given.has("codes-file") ? "{name}-{n}.png" : "{name}-painted.png");
  const std::optional<PictureKind> kind = PictureKindOf(request.pattern);
  if (!kind) return usage(Tr("The output must end in .png, .bmp, .jpg or .gif."));
  request.kind = *kind;
  const bool animated = request.kind == PictureKind::Gif;
  if (animated && (request.pattern.find("{n}") != std::string::npos ||
                   request.pattern.find("{label}") != std::string::npos)) {
    return usage(Tr("A .gif output holds every code string: it takes no {n} or {label}."));
  }
  if (given.has("delay")) {
    if (!animated) return usage(Tr("--delay goes with a .gif output."));
    const std::optional<std::uint32_t> delay = WholeNumber(given.value("delay"), kMostDelayMs);
    if (!delay || *delay < kLeastDelayMs) {
      return usage(Tr("The delay must be from 20 to 655350 milliseconds."));
    }
    request.delay = int((*delay + 5) / 10);
  }
  const Expected<int> scale = ScaleOption(given);
  if (!scale) return usage(scale.problem().message);
  request.scale = *scale;
  if (request.scale != 1 && request.kind == PictureKind::Jpeg)
    return usage(Tr("A .jpg output is not scaled."));
  request.page = given.has("page");
  if (given.has("vision")) {
    const std::optional<Vision> vision = VisionNamed(given.value("vision"));
    if (!vision) return usage(Tr("The vision must be protan, deutan, tritan or achroma."));
    request.vision = *vision;
  }
  request.verbose = given.has("verbose");
  const std::optional<std::uint32_t> jobs =
      given.has("jobs")
          ? WholeNumber(given.value("jobs"), kMostJobs)
          : std::max(1u, std::min<std::uint32_t>(std::thread::hardware_concurrency(), kMostJobs));
  if (!jobs || *jobs < 1) return usage(Tr("The number of jobs must be from 1 to 256."));
  request.jobs = int(*jobs);
  if (request.page && request.kind != PictureKind::Jpeg)
    return usage(Tr("Only a .jpg output has a page."));
  if (request.inputs.size() > 1 && request.pattern.find("{name}") == std::string::npos) {
    return usage(Tr("With several inputs the output must hold {name}."));
  }
  if (codeStrings > 1 && !animated && request.pattern.find("{n}") == std::string::npos &&
      request.pattern.find("{label}") == std::string::npos) {
    return usage(Tr("With several code strings the output must hold {n} or {label}."));
  }
  if (std::optional<std::string> problem = NameProblem(request)) return usage(*problem);
  return request;
}

}  // namespace

int RunPaintCommand(const std::vector<std::string>& arguments, std::ostream& output,
                    std::ostream& errors) {
  std::variant<PaintRequest, Failure> read = ReadRequest(arguments);
  if (const auto* failure = std::get_if<Failure>(&read)) {
    (failure->status == kAllWritten ? output : errors) << failure->message;
    return failure->status;
  }
  const PaintRequest& request = std::get<PaintRequest>(read);
  const bool written = request.kind == PictureKind::Gif ? PaintAnimations(request, output, errors)
                                                        : PaintAll(request, output, errors);
  return written ? kAllWritten : kSomethingBad;
}

}  // namespace tintara
