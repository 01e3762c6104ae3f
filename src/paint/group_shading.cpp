#include "paint/group_shading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <span>
#include <vector>

#include "paint/nearest_code.h"
#include "paint/painting.h"
#include "paint/reference_oklab.h"
#include "paint/skin_tones.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// Neighbouring shades lie this far apart in lightness where the ends leave room, and the ramp
// keeps within these ends.
constexpr double kLightnessStep = 0.1;
constexpr double kDarkestLightness = 0.15;
constexpr double kLightestLightness = 0.95;
// The ends of the ramp turn this many degrees towards the hue of warm light (orange) and of cool
// shadow (blue), and keep this share of the key's chroma.
constexpr double kWarmHue = 70;
constexpr double kCoolHue = 260;
constexpr double kEndHueTurn = 15;
constexpr double kEndChromaShare = 0.6;

int GroupOf(int slot) { return kSlots[static_cast<std::size_t>(slot - 1)].group; }

std::vector<int> ShownSlotsOfGroup(const Document& document, int group) {
  std::vector<int> shown;
  for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
    if (SlotShown(document, s)) shown.push_back(s);
  }
  return shown;
}

// The hue turned towards another by at most `most` degrees, the shorter way round.
double TurnedTowards(double hue, double towards, double most) {
  const double turn = std::clamp(std::remainder(towards - hue, 360.0), -most, most);
  return std::fmod(hue + turn + 360, 360);
}

double Lightness(std::int32_t code) { return ReferenceOklab()[static_cast<std::size_t>(code)].l; }

// The candidate nearest the target, preferring one on the target's side of the key's lightness, so
// that the ramp keeps its order.
std::int32_t NearestOnSide(const Oklab& target, int side, double keyLightness,
                           std::span<const std::int32_t> candidates,
                           const std::vector<std::int32_t>& taken) {
  std::vector<std::int32_t> onSide;
  std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(onSide),
               [&](std::int32_t code) {
                 return side < 0 ? Lightness(code) < keyLightness : Lightness(code) > keyLightness;
               });
  return NearestCandidate(target, onSide.empty() ? candidates : onSide, taken);
}

}  // namespace

bool CanShadeGroupFrom(const Document& document, int slot) {
  return SlotShown(document, slot) && ShownSlotsOfGroup(document, GroupOf(slot)).size() > 1;
}

std::string ShadeStepName(int slot) {
  return Filled(Tr("Shade %s from Slot %s"), {GroupName(GroupOf(slot)), std::to_string(slot)});
}

std::optional<Problem> ShadeGroup(Document& document, int slot,
                                  const RandomCodeSettings& settings) {
  const int group = GroupOf(slot);
  const std::string groupName = GroupName(group);
  if (!SlotShown(document, slot)) {
    return Problem{
        Filled(Tr("Slot %s is not in the picture: nothing to shade from"), {std::to_string(slot)})};
  }
  if (!CanShadeGroupFrom(document, slot)) {
    return Problem{Filled(Tr("%s has one slot in the picture: nothing to shade"), {groupName})};
  }
  SlotMarkers markers{};
  for (int s = 1; s <= kSlotCount; ++s)
    markers[static_cast<std::size_t>(s - 1)] = SlotMarker(document, s);
  std::vector<int> ramp;  // the shown slots, darkest marker first
  for (const int s : SlotsByMarkerLightness(group, markers)) {
    if (SlotShown(document, s)) ramp.push_back(s);
  }
  const auto keyRank = static_cast<int>(std::find(ramp.begin(), ramp.end(), slot) - ramp.begin());
  const int darker = keyRank;
  const int lighter = static_cast<int>(ramp.size()) - 1 - keyRank;
  const Oklch key = OklchOf(OklabOf(SlotFill(document, slot)));
  const double darkStep =
      darker == 0 ? 0 : std::min(kLightnessStep, std::max(0.0, key.l - kDarkestLightness) / darker);
  const double lightStep =
      lighter == 0 ? 0
                   : std::min(kLightnessStep, std::max(0.0, kLightestLightness - key.l) / lighter);
  const std::vector<std::int32_t> candidates =
      CodesForGroup(group, kBoardCodes, settings.anyColourForSkin);

  std::vector<std::int32_t> taken{Slot(document, slot).code};
  for (const int s : ramp) {
    if (SlotLocked(document, s)) taken.push_back(Slot(document, s).code);
  }
  // Each side of the key gets its codes, then gives them out darkest first, so that the nearest
  // codes keep the markers' order even where they do not keep the targets'.
  for (const int side : {-1, 1}) {
    std::vector<int> shaded;
    std::vector<std::int32_t> chosen;
    const int count = side < 0 ? darker : lighter;
    for (int away = 1; away <= count; ++away) {
      const int s = ramp[static_cast<std::size_t>(keyRank + side * away)];
      if (SlotLocked(document, s)) continue;
      const double end = static_cast<double>(away) / count;  // 1 at the end of the ramp
      const Oklch target{key.l + side * away * (side < 0 ? darkStep : lightStep),
                         key.chroma * (1 - (1 - kEndChromaShare) * end),
                         TurnedTowards(key.hue, side < 0 ? kCoolHue : kWarmHue, kEndHueTurn * end)};
      const std::int32_t code = NearestOnSide(OklabOfOklch(target), side, key.l, candidates, taken);
      taken.push_back(code);
      chosen.push_back(code);
      shaded.push_back(s);
    }
    std::sort(shaded.begin(), shaded.end(), [&](int first, int second) {
      return std::find(ramp.begin(), ramp.end(), first) <
             std::find(ramp.begin(), ramp.end(), second);
    });
    std::stable_sort(chosen.begin(), chosen.end(), [](std::int32_t first, std::int32_t second) {
      return Lightness(first) < Lightness(second);
    });
    for (std::size_t k = 0; k < shaded.size(); ++k) {
      AssignCode(document, shaded[k], chosen[k], std::to_string(chosen[k]));
    }
  }
  ApplyCodes(document);
  return std::nullopt;
}

}  // namespace tintara
