#include "cli/request_painting.h"

#include "paint/group_shading.h"
#include "paint/painting.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// "12,345": a size as people read it, whatever the locale.
std::string GroupedDigits(std::uintmax_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

Expected<Document> LoadToPaint(const std::string& path) {
  Expected<BitmapToPaint> file =
      ReadBitmapToPaint(path, {.shownPath = path, .limits = kColourTableOnly});
  if (!file) return std::move(file).problem();
  // A picture without a colour table has no slots: painting it would change nothing.
  if (!file->bitmap.hasColourTable()) {
    return Problem{Filled(Tr("%s has no colour table: nothing to paint"), {ShownText(path)}), path};
  }
  return LoadedDocument(std::move(file->bitmap), file->storedCodes);
}

Document RolledAsAsked(const PaintRequest& request, const Document& loaded, std::uint32_t roll) {
  Document rolled = loaded;
  RandomGenerator random(request.seed + roll);
  rolled.locks = request.locks;
  RollRandomCodes(rolled, GroupChecks{true, true, true, true}, random, request.randomCodes);
  return rolled;
}

std::optional<Problem> ShadeAsAsked(const PaintRequest& request, Document& painted) {
  painted.locks = request.locks;
  for (const int slot : request.shades) {
    if (std::optional<Problem> problem = ShadeGroup(painted, slot, request.randomCodes)) {
      return problem;
    }
  }
  return std::nullopt;
}

std::string WroteMessage(const std::string& path, std::uintmax_t bytes) {
  return Filled(Tr("Wrote %s (%s bytes)"), {ShownText(path), GroupedDigits(bytes)}) + '\n';
}

}  // namespace tintara
