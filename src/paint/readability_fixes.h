#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "paint/document.h"
#include "paint/readability.h"

namespace tintara {

// Codes that make two slots that look alike readable. A pair is fixed when its colours lie at
// least kToldApartDistance apart with normal vision and at least kLookAlikeDistance apart under
// every deficiency, and no other pair of its group is marked (see UnreadablePairs) that was not,
// nor brought closer than kToldApartDistance with normal vision when it was told apart. Codes are
// those of the board (kBoardCodes), the nearest in OKLab first, the lower code on a tie.

inline constexpr std::size_t kMostFixSuggestions = 3;

// The slot of the pair a fix changes: the later one when neither is locked, else the one that is
// not; nothing when both are.
std::optional<int> SlotToFix(const ReadabilityPair& pair, const SlotLocks& locks);

// Up to kMostFixSuggestions codes that fix the pair when `slot`, one of its two, takes them, the
// nearest to the slot's colour now first. Colours and shown slots as UnreadablePairs takes them.
std::vector<std::int32_t> FixSuggestions(const SlotColours& colours, const ShownSlots& shown,
                                         const ReadabilityPair& pair, int slot);
// The same for a pair of the document, for the slot SlotToFix names; none when both are locked.
std::vector<std::int32_t> FixSuggestions(const Document& document, const ReadabilityPair& pair);

// A bounded search for codes that fix every marked pair at once: in each group, at most
// kMostFixedSlots slots change, each to one of the kFixCandidates codes nearest its colour; the
// fewest slots that do, then the least distance moved in all.
inline constexpr int kMostFixedSlots = 3;
inline constexpr std::size_t kFixCandidates = 32;

struct SlotChange {
  int slot = 0;
  std::int32_t code = 0;
  friend bool operator==(const SlotChange&, const SlotChange&) = default;
};

// The changes, by slot; or, in `unfixable`, the marked pairs of the groups the search could not
// fix.
struct ReadabilityFix {
  std::vector<SlotChange> changes;
  std::vector<ReadabilityPair> unfixable;
};
ReadabilityFix FixReadability(const SlotColours& colours, const ShownSlots& shown);

}  // namespace tintara
