#include "cli/palette_command.h"

#include <variant>

#include "cli/command_options.h"
#include "cli/usage_text.h"
#include "formats/palette_codes.h"
#include "formats/palette_file.h"
#include "formats/palette_reader.h"
#include "paint/palette_text.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr KnownOption kOptions[] = {{"output", 0, true}, {"help", 'h'}};

}  // namespace

Expected<std::string> PaletteFileCodes(const std::string& path) {
  const Expected<Palette> palette = ReadPaletteFile(path);
  if (!palette) return palette.problem();
  return PaletteCodesForEverySlot(*palette).codes;
}

int RunPaletteCommand(const std::vector<std::string>& arguments, std::ostream& output,
                      std::ostream& errors) {
  const auto fail = [&](const Failure& failure) {
    (failure.status == kAllWritten ? output : errors) << failure.message;
    return failure.status;
  };
  std::variant<GivenOptions, Failure> read =
      ReadCommandOptions("palette", arguments, kOptions, kPaletteUsage);
  if (const auto* failure = std::get_if<Failure>(&read)) return fail(*failure);
  const GivenOptions& given = std::get<GivenOptions>(read);
  if (given.arguments.size() != 1) {
    return fail(UsageFailure("palette", Tr("Give one palette file.")));
  }

  const Expected<Palette> palette = ReadPaletteFile(given.arguments.front());
  if (!palette) return fail({kSomethingBad, "tintara: " + palette.problem().message + "\n"});
  if (given.has("output")) {
    if (std::optional<Problem> problem = WritePaletteFile(given.value("output"), *palette)) {
      return fail({kSomethingBad, "tintara: " + problem->message + "\n"});
    }
  }
  output << PaletteCodesForEverySlot(*palette).codes << '\n';
  for (const PaletteEntry& entry : palette->entries) {
    const CodeMatch match = NearestCode(entry.colour);
    output << HexColourText(match.colour) + ' ' + std::to_string(match.code) + ' ' +
                  DistanceText(match.distance)
           << '\n';
  }
  if (palette->skippedSwatches > 0) {
    errors << "tintara: "
           << Filled(TrN("%s CMYK or Lab swatch left out: only RGB and grey swatches are read",
                         "%s CMYK or Lab swatches left out: only RGB and grey swatches are read",
                         palette->skippedSwatches),
                     {std::to_string(palette->skippedSwatches)})
           << '\n';
  }
  return kAllWritten;
}

}  // namespace tintara
