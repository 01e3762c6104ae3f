#include "paint/harmony.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>
#include <vector>

#include "paint/nearest_code.h"
#include "paint/oklab.h"
#include "paint/reference_oklab.h"
#include "paint/skin_tones.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr double kFullTurn = 360;

// Each group's turn from the base hue, in degrees, by mode.
constexpr std::array<double, kGroupCount> kAnalogousTurns = {0, -30, 30, 60};
constexpr std::array<double, kGroupCount> kComplementaryTurns = {0, 180, 0, 180};
constexpr std::array<double, kGroupCount> kTriadTurns = {0, 120, 240, 0};

// What a group aims at: its hue, its chroma, and the lightness of its darkest and lightest slot.
struct GroupTarget {
  double hue = 0;
  double chroma = 0;
  double darkest = 0;
  double lightest = 0;
};

double Turn(Harmony harmony, int group) {
  const std::size_t index = static_cast<std::size_t>(group - 1);
  switch (harmony) {
    case Harmony::Analogous:
      return kAnalogousTurns[index];
    case Harmony::Complementary:
      return kComplementaryTurns[index];
    case Harmony::Triad:
      return kTriadTurns[index];
    case Harmony::Free:
    case Harmony::Tones:
      break;
  }
  return 0;
}

// How far apart two hues lie around the circle.
double HueGap(double first, double second) {
  const double gap = std::fmod(std::fabs(first - second), kFullTurn);
  return std::min(gap, kFullTurn - gap);
}

// The hue itself when it is a skin's, else the nearer end of the skin hues: the skin leans
// towards the harmony's hue as far as skin goes.
double IntoSkinHues(double hue) {
  if (hue >= kSkinToneLeastHue && hue <= kSkinToneMostHue) return hue;
  return HueGap(hue, kSkinToneLeastHue) <= HueGap(hue, kSkinToneMostHue) ? kSkinToneLeastHue
                                                                         : kSkinToneMostHue;
}

// Every group's draws are made whether it is rolled or not, the same 14 in all.
std::array<GroupTarget, kGroupCount> DrawTargets(Harmony harmony, RandomGenerator& random) {
  // This generator's first draws from nearby seeds lie close together: the first is spent, and
  // the base hue, which shows most, comes last.
  random.Next(1);
  std::array<GroupTarget, kGroupCount> targets{};
  for (GroupTarget& target : targets) {
    target.chroma = 0.06 + 0.01 * random.Next(13);   // 0.06 .. 0.18
    target.darkest = 0.25 + 0.01 * random.Next(21);  // 0.25 .. 0.45
    target.lightest = std::min(0.95, target.darkest + 0.35 + 0.01 * random.Next(16));
  }
  const double base = random.Next(static_cast<std::int32_t>(kFullTurn));
  for (int group = 1; group <= kGroupCount; ++group) {
    targets[static_cast<std::size_t>(group - 1)].hue =
        std::fmod(base + Turn(harmony, group) + kFullTurn, kFullTurn);
  }
  return targets;
}

double Lightness(std::int32_t code) { return ReferenceOklab()[static_cast<std::size_t>(code)].l; }

const HarmonySlot& SlotOf(const HarmonySlots& slots, int slot) {
  return slots[static_cast<std::size_t>(slot - 1)];
}

// Gives the group's rolled slots codes near the target, from the darkest marker to the lightest.
void RollGroup(int group, const GroupTarget& target, std::span<const std::int32_t> candidates,
               const HarmonySlots& slots, std::array<std::int32_t, kSlotCount>& codes) {
  SlotMarkers markers{};
  std::vector<std::int32_t> taken;
  for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
    markers[static_cast<std::size_t>(s - 1)] = SlotOf(slots, s).marker;
    if (!SlotOf(slots, s).rolled) taken.push_back(SlotOf(slots, s).code);
  }
  const std::vector<int> shading = SlotsByMarkerLightness(group, markers);
  std::vector<int> rolled;
  std::vector<std::int32_t> chosen;
  // A lone slot takes the middle of the group's lightness.
  const double last = static_cast<double>(shading.size() - 1);
  for (std::size_t rank = 0; rank < shading.size(); ++rank) {
    if (!SlotOf(slots, shading[rank]).rolled) continue;
    const double share = last > 0 ? static_cast<double>(rank) / last : 0.5;
    const double lightness = target.darkest + (target.lightest - target.darkest) * share;
    const std::int32_t code =
        NearestCandidate(OklabOfOklch({lightness, target.chroma, target.hue}), candidates, taken);
    taken.push_back(code);
    chosen.push_back(code);
    rolled.push_back(shading[rank]);
  }
  // Nearest colours need not keep the targets' order: the darker code goes to the darker slot.
  std::stable_sort(chosen.begin(), chosen.end(), [](std::int32_t first, std::int32_t second) {
    return Lightness(first) < Lightness(second);
  });
  for (std::size_t k = 0; k < rolled.size(); ++k) {
    codes[static_cast<std::size_t>(rolled[k] - 1)] = chosen[k];
  }
}

}  // namespace

std::vector<int> SlotsByMarkerLightness(int group, const SlotMarkers& markers) {
  std::vector<int> shading;
  for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) shading.push_back(s);
  std::stable_sort(shading.begin(), shading.end(), [&markers](int first, int second) {
    return OklabOf(markers[static_cast<std::size_t>(first - 1)]).l <
           OklabOf(markers[static_cast<std::size_t>(second - 1)]).l;
  });
  return shading;
}

std::optional<Harmony> HarmonyNamed(std::string_view name) {
  const auto found = std::find(kHarmonyNames.begin(), kHarmonyNames.end(), name);
  if (found == kHarmonyNames.end()) return std::nullopt;
  return static_cast<Harmony>(found - kHarmonyNames.begin());
}

std::array<std::int32_t, kSlotCount> HarmonyCodes(const HarmonySlots& slots,
                                                  const RandomCodeSettings& settings,
                                                  RandomGenerator& random) {
  std::array<std::int32_t, kSlotCount> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = slots[i].code;
  const std::array<GroupTarget, kGroupCount> targets = DrawTargets(settings.harmony, random);
  for (int group = 1; group <= kGroupCount; ++group) {
    GroupTarget target = targets[static_cast<std::size_t>(group - 1)];
    if (KeptToSkinTones(group, settings.anyColourForSkin)) target.hue = IntoSkinHues(target.hue);
    const std::vector<std::int32_t> candidates = RollCandidates(group, settings);
    if (!candidates.empty()) RollGroup(group, target, candidates, slots, codes);
  }
  return codes;
}

DrawingCodes DrawingCodesNamed(std::string name, std::span<const std::int32_t> codes) {
  std::vector<std::int32_t> drawn;
  std::copy_if(codes.begin(), codes.end(), std::back_inserter(drawn),
               [](std::int32_t code) { return code >= kFirstBoardCode && code <= kLastBoardCode; });
  std::sort(drawn.begin(), drawn.end());
  drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
  return {std::move(name), std::move(drawn)};
}

std::vector<std::int32_t> RollCandidates(int group, const RandomCodeSettings& settings) {
  const std::span<const std::int32_t> codes =
      settings.drawFrom ? std::span<const std::int32_t>(settings.drawFrom->codes) : kDrawnCodes;
  // Free mode has never kept the skin to its tones.
  return CodesForGroup(group, codes,
                       settings.anyColourForSkin || settings.harmony == Harmony::Free);
}

std::optional<std::string> KeptGroupsNotice(const std::array<bool, kGroupCount>& checkedGroups,
                                            const RandomCodeSettings& settings) {
  std::string notice;
  for (int group = 1; group <= kGroupCount; ++group) {
    if (!checkedGroups[static_cast<std::size_t>(group - 1)]) continue;
    if (!RollCandidates(group, settings).empty()) continue;
    // Only drawing codes can leave a group with none.
    const std::string& name = settings.drawFrom->name;
    const std::string why = settings.drawFrom->codes.empty()
                                ? Filled(Tr("%s has no colours."), {name})
                                : Filled(Tr("no colour of %s is a skin tone."), {name});
    if (!notice.empty()) notice += ' ';
    notice += Filled(Tr("%s keeps its codes: %s"), {GroupName(group), why});
  }
  if (notice.empty()) return std::nullopt;
  return notice;
}

}  // namespace tintara
