#pragma once

#include <array>
#include <string>
#include <vector>

#include "paint/colour_vision.h"
#include "paint/document.h"
#include "paint/slot_tables.h"

namespace tintara {

// Two slots of one group are told apart when their colours lie at least this far apart in OKLab,
// and look alike under a view when their simulated colours lie closer than the second.
inline constexpr double kToldApartDistance = 0.08;
inline constexpr double kLookAlikeDistance = 0.04;

// Two slots of a group that normal vision tells apart and some deficiencies do not.
struct ReadabilityPair {
  int group = 0;  // 1..4
  int first = 0;  // slots 1..16, first < second
  int second = 0;
  std::vector<Vision> views;  // in the order of kDeficiencies

  friend bool operator==(const ReadabilityPair&, const ReadabilityPair&) = default;
};

using SlotColours = std::array<Colour, kSlotCount>;
using ShownSlots = std::array<bool, kSlotCount>;

// Every such pair among the shown slots (indexed by slot - 1), by group and then by slot.
std::vector<ReadabilityPair> UnreadablePairs(const SlotColours& colours, const ShownSlots& shown);
// The same for the slots a document shows, in the colours they paint.
std::vector<ReadabilityPair> UnreadablePairs(const Document& document);

// "Bottom: slots 2 and 4 look alike under protanopia and deuteranopia", in the user's language.
std::string ReadabilityText(const ReadabilityPair& pair);
// The pairs' lines, or the line that says there is none, in the user's language.
std::string ReadabilityReport(const std::vector<ReadabilityPair>& pairs);
// The same lines in English, as `tintara check` prints them for scripts.
std::string ReadabilityLines(const std::vector<ReadabilityPair>& pairs);

}  // namespace tintara
