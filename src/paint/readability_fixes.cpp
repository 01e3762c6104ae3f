#include "paint/readability_fixes.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <limits>
#include <numeric>

#include "paint/nearest_code.h"
#include "paint/oklab.h"
#include "paint/reference_oklab.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

// A colour as normal vision sees it, then under each deficiency, in OKLab.
using Seen = std::array<Oklab, kDeficiencies.size() + 1>;

Seen SeenOf(Colour colour) {
  Seen seen{OklabOf(colour)};
  for (std::size_t v = 0; v < kDeficiencies.size(); ++v) {
    seen[v + 1] = OklabOf(Simulated(kDeficiencies[v], colour));
  }
  return seen;
}

const std::array<Seen, 256>& ReferenceSeen() {
  static const std::array<Seen, 256> table = [] {
    std::array<Seen, 256> seen{};
    for (std::size_t code = 0; code < seen.size(); ++code)
      seen[code] = SeenOf(kReferencePalette[code]);
    return seen;
  }();
  return table;
}

const Seen& SeenOfCode(std::int32_t code) {
  return ReferenceSeen()[static_cast<std::size_t>(code)];
}

// What UnreadablePairs marks.
bool Marked(const Seen& first, const Seen& second) {
  if (OklabDistance(first[0], second[0]) < kToldApartDistance) return false;
  for (std::size_t v = 1; v < first.size(); ++v) {
    if (OklabDistance(first[v], second[v]) < kLookAlikeDistance) return true;
  }
  return false;
}

bool ToldApart(const Seen& first, const Seen& second) {
  return OklabDistance(first[0], second[0]) >= kToldApartDistance;
}

// What a change must not do to a pair it does not fix: mark it, or give two slots that normal
// vision told apart colours that nobody can.
bool Spoiled(const Seen& firstBefore, const Seen& secondBefore, const Seen& first,
             const Seen& second) {
  return Marked(first, second) ||
         (ToldApart(firstBefore, secondBefore) && !ToldApart(first, second));
}

// What a fixed pair is: told apart by normal vision and by every deficiency.
bool Readable(const Seen& first, const Seen& second) {
  if (OklabDistance(first[0], second[0]) < kToldApartDistance) return false;
  for (std::size_t v = 1; v < first.size(); ++v) {
    if (OklabDistance(first[v], second[v]) < kLookAlikeDistance) return false;
  }
  return true;
}

// The board's codes other than the colour itself, the nearest to it in OKLab first.
std::vector<std::int32_t> CodesByNearness(Colour colour) {
  const Oklab lab = OklabOf(colour);
  std::vector<std::int32_t> codes;
  for (const std::int32_t code : kBoardCodes) {
    if (ReferenceColour(code) != colour) codes.push_back(code);
  }
  std::stable_sort(codes.begin(), codes.end(), [&](std::int32_t first, std::int32_t second) {
    return OklabDistance(lab, ReferenceOklab()[static_cast<std::size_t>(first)]) <
           OklabDistance(lab, ReferenceOklab()[static_cast<std::size_t>(second)]);
  });
  return codes;
}

int GroupOf(int slot) { return kSlots[static_cast<std::size_t>(slot - 1)].group; }

// A group's shown slots as a fix sees them: their colours, and which pairs are marked now.
struct GroupSlots {
  std::vector<int> slots;
  std::vector<Colour> colours;
  std::vector<Seen> seen;
  std::vector<std::vector<bool>> marked;

  bool anyMarked() const {
    return std::any_of(marked.begin(), marked.end(), [](const std::vector<bool>& row) {
      return std::find(row.begin(), row.end(), true) != row.end();
    });
  }
  // Whether the slots, seen as `now`, fix every marked pair and spoil no other.
  bool FixedAs(const std::vector<Seen>& now) const {
    for (std::size_t a = 0; a < now.size(); ++a) {
      for (std::size_t b = a + 1; b < now.size(); ++b) {
        if (marked[a][b] ? !Readable(now[a], now[b]) : Spoiled(seen[a], seen[b], now[a], now[b])) {
          return false;
        }
      }
    }
    return true;
  }
};

GroupSlots ShownOfGroup(const SlotColours& colours, const ShownSlots& shown, int group) {
  GroupSlots found;
  for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
    if (!shown[static_cast<std::size_t>(s - 1)]) continue;
    found.slots.push_back(s);
    found.colours.push_back(colours[static_cast<std::size_t>(s - 1)]);
    found.seen.push_back(SeenOf(found.colours.back()));
  }
  found.marked.assign(found.slots.size(), std::vector<bool>(found.slots.size(), false));
  for (std::size_t a = 0; a < found.slots.size(); ++a) {
    for (std::size_t b = a + 1; b < found.slots.size(); ++b) {
      found.marked[a][b] = Marked(found.seen[a], found.seen[b]);
    }
  }
  return found;
}

// The cheapest codes for the slots of `changing` (indices into the group) that fix the group, by
// trying every choice among each slot's candidates.
class ChangeSearch {
 public:
  ChangeSearch(const GroupSlots& group, std::vector<std::size_t> changing)
      : group_(group), changing_(std::move(changing)), now_(group.seen) {
    for (const std::size_t index : changing_) {
      std::vector<std::int32_t> codes = CodesByNearness(group.colours[index]);
      codes.resize(std::min(codes.size(), kFixCandidates));
      candidates_.push_back(std::move(codes));
    }
    chosen_.resize(changing_.size());
  }

  void Run(double& bestCost, std::vector<SlotChange>& best) { Choose(0, 0, bestCost, best); }

 private:
  void Choose(std::size_t k, double cost, double& bestCost, std::vector<SlotChange>& best) {
    if (cost >= bestCost) return;
    if (k == changing_.size()) {
      if (!group_.FixedAs(now_)) return;
      bestCost = cost;
      best.clear();
      for (std::size_t j = 0; j < changing_.size(); ++j) {
        best.push_back({group_.slots[changing_[j]], chosen_[j]});
      }
      return;
    }
    const std::size_t index = changing_[k];
    for (const std::int32_t code : candidates_[k]) {
      now_[index] = SeenOfCode(code);
      chosen_[k] = code;
      Choose(k + 1,
             cost + OklabDistance(group_.seen[index][0], ReferenceOklab()[std::size_t(code)]),
             bestCost, best);
    }
    now_[index] = group_.seen[index];
  }

  const GroupSlots& group_;
  std::vector<std::size_t> changing_;
  std::vector<std::vector<std::int32_t>> candidates_;
  std::vector<Seen> now_;
  std::vector<std::int32_t> chosen_;
};

// The fewest changes that fix the group, within the search's bound; nothing when none does.
std::optional<std::vector<SlotChange>> FixGroup(const GroupSlots& group) {
  const std::size_t count = group.slots.size();
  for (int changed = 1; changed <= kMostFixedSlots; ++changed) {
    double bestCost = std::numeric_limits<double>::infinity();
    std::vector<SlotChange> best;
    for (unsigned mask = 1; mask < (1u << count); ++mask) {
      if (std::popcount(mask) != changed) continue;
      std::vector<std::size_t> changing;
      for (std::size_t i = 0; i < count; ++i) {
        if ((mask >> i) & 1u) changing.push_back(i);
      }
      ChangeSearch(group, std::move(changing)).Run(bestCost, best);
    }
    if (!best.empty()) return best;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> SlotToFix(const ReadabilityPair& pair, const SlotLocks& locks) {
  for (const int slot : {pair.second, pair.first}) {
    if (!locks[static_cast<std::size_t>(slot - 1)]) return slot;
  }
  return std::nullopt;
}

std::vector<std::int32_t> FixSuggestions(const SlotColours& colours, const ShownSlots& shown,
                                         const ReadabilityPair& pair, int slot) {
  const GroupSlots group = ShownOfGroup(colours, shown, GroupOf(slot));
  const auto indexOf = [&](int s) {
    return static_cast<std::size_t>(std::find(group.slots.begin(), group.slots.end(), s) -
                                    group.slots.begin());
  };
  const std::size_t fixed = indexOf(slot);
  const std::size_t other = indexOf(slot == pair.first ? pair.second : pair.first);
  std::vector<Seen> now = group.seen;
  std::vector<std::int32_t> suggestions;
  for (const std::int32_t code : CodesByNearness(group.colours[fixed])) {
    now[fixed] = SeenOfCode(code);
    bool fixes = Readable(now[fixed], now[other]);
    for (std::size_t q = 0; fixes && q < now.size(); ++q) {
      const bool wasMarked = group.marked[std::min(q, fixed)][std::max(q, fixed)];
      fixes = q == fixed || q == other || wasMarked ||
              !Spoiled(group.seen[fixed], group.seen[q], now[fixed], now[q]);
    }
    if (!fixes) continue;
    suggestions.push_back(code);
    if (suggestions.size() == kMostFixSuggestions) break;
  }
  return suggestions;
}

std::vector<std::int32_t> FixSuggestions(const Document& document, const ReadabilityPair& pair) {
  const std::optional<int> slot = SlotToFix(pair, document.locks);
  if (!slot) return {};
  SlotColours colours{};
  ShownSlots shown{};
  for (int s = 1; s <= kSlotCount; ++s) {
    colours[static_cast<std::size_t>(s - 1)] = SlotFill(document, s);
    shown[static_cast<std::size_t>(s - 1)] = SlotShown(document, s);
  }
  return FixSuggestions(colours, shown, pair, *slot);
}

ReadabilityFix FixReadability(const SlotColours& colours, const ShownSlots& shown) {
  ReadabilityFix fix;
  const std::vector<ReadabilityPair> pairs = UnreadablePairs(colours, shown);
  for (int g = 1; g <= kGroupCount; ++g) {
    const GroupSlots group = ShownOfGroup(colours, shown, g);
    if (!group.anyMarked()) continue;
    if (std::optional<std::vector<SlotChange>> changes = FixGroup(group)) {
      fix.changes.insert(fix.changes.end(), changes->begin(), changes->end());
      continue;
    }
    std::copy_if(pairs.begin(), pairs.end(), std::back_inserter(fix.unfixable),
                 [g](const ReadabilityPair& pair) { return pair.group == g; });
  }
  return fix;
}

}  // namespace tintara
