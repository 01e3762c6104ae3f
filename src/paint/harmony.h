#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "paint/oklab.h"
#include "paint/random_codes.h"
#include "paint/slot_tables.h"

namespace tintara {

// How "Gee!" rolls. Free draws every slot's code on its own, as it always has; the others pick a
// base hue at random and give each group a hue of the mode in OKLCH:
// - Analogous: the base hue, then 30 degrees to one side, to the other, and 60 degrees on;
// - Complementary: the base hue and its opposite, alternating from group to group;
// - Triad: the base hue, then 120 and 240 degrees on, and the base hue again for group 4;
// - Tones: the base hue for every group, each with a lightness and chroma of its own.
enum class Harmony { Free, Analogous, Complementary, Triad, Tones };

// The modes by the names the command line takes, in the order of the enumeration.
inline constexpr std::array<std::string_view, 5> kHarmonyNames = {
    "free", "analogous", "complementary", "triad", "tones"};
std::optional<Harmony> HarmonyNamed(std::string_view name);

// Codes "Gee!" draws among instead of every code it may draw: the nearest codes of an imported
// palette, kept for this run of the program only.
struct DrawingCodes {
  std::string name;                 // the palette's, as the user knows it
  std::vector<std::int32_t> codes;  // distinct board codes, ascending
  friend bool operator==(const DrawingCodes&, const DrawingCodes&) = default;
};

// The distinct board codes among `codes`, ascending, under the name.
DrawingCodes DrawingCodesNamed(std::string name, std::span<const std::int32_t> codes);

// What the user chose for "Gee!". A roll is made again from the generator's state before it (see
// RandomGenerator::State), so the seed travels as a generator, not as a setting.
struct RandomCodeSettings {
  Harmony harmony = Harmony::Free;
  // In the harmony modes the skin group draws from kSkinTones unless this is set.
  bool anyColourForSkin = false;
  // Every mode draws among these codes only, when set.
  std::optional<DrawingCodes> drawFrom{};
};

// The codes the group draws among in a roll with these settings: the settings' drawing codes, or
// every code "Gee!" may draw; in the harmony modes the skin group takes only the skin tones among
// them (see CodesForGroup). A group left with none keeps its codes.
std::vector<std::int32_t> RollCandidates(int group, const RandomCodeSettings& settings);

// Which of the checked groups a roll with these settings leaves as they are, and why, for the
// user ("Skin keeps its codes: no colour of Sunset is a skin tone."); nothing when every checked
// group rolls.
std::optional<std::string> KeptGroupsNotice(const std::array<bool, kGroupCount>& checkedGroups,
                                            const RandomCodeSettings& settings);

// One slot as a harmony roll sees it.
struct HarmonySlot {
  bool rolled = false;    // its group is checked and it is not locked
  std::int32_t code = 0;  // what it holds: a rolled slot's group neighbours take other codes
  Colour marker = 0;      // the colour the picture marks it with: its place in the shading
};
using HarmonySlots = std::array<HarmonySlot, kSlotCount>;

// The colour the picture marks each slot with, indexed by slot - 1.
using SlotMarkers = std::array<Colour, kSlotCount>;

// The group's slots from the darkest marker to the lightest: the order the picture shades them
// in. Slots whose markers are as light keep their order.
std::vector<int> SlotsByMarkerLightness(int group, const SlotMarkers& markers);

// The codes of a roll in a harmony mode (not Free), indexed by slot - 1: a rolled slot takes the
// reference colour nearest in OKLab to its target among its group's RollCandidates, one that no
// other slot of its group holds where the palette allows; a group's rolled slots take their codes
// in the lightness order of their markers, so that shading stays shading. The other slots keep
// their codes. Always the same number of draws, whatever is rolled, so that locking a slot changes
// the targets of no other.
std::array<std::int32_t, kSlotCount> HarmonyCodes(const HarmonySlots& slots,
                                                  const RandomCodeSettings& settings,
                                                  RandomGenerator& random);

}  // namespace tintara
