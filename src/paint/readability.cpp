#include "paint/readability.h"

#include "paint/oklab.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {

std::vector<ReadabilityPair> UnreadablePairs(const SlotColours& colours, const ShownSlots& shown) {
  // Each slot's colour in OKLab, as normal vision sees it and under each deficiency.
  std::array<std::array<Oklab, kDeficiencies.size() + 1>, kSlotCount> seen{};
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    if (!shown[s]) continue;
    seen[s][0] = OklabOf(colours[s]);
    for (std::size_t v = 0; v < kDeficiencies.size(); ++v) {
      seen[s][v + 1] = OklabOf(Simulated(kDeficiencies[v], colours[s]));
    }
  }
  std::vector<ReadabilityPair> pairs;
  for (int group = 1; group <= kGroupCount; ++group) {
    for (int a = FirstSlotOfGroup(group); a <= LastSlotOfGroup(group); ++a) {
      for (int b = a + 1; b <= LastSlotOfGroup(group); ++b) {
        const auto& first = seen[static_cast<std::size_t>(a - 1)];
        const auto& second = seen[static_cast<std::size_t>(b - 1)];
        if (!shown[static_cast<std::size_t>(a - 1)] || !shown[static_cast<std::size_t>(b - 1)] ||
            OklabDistance(first[0], second[0]) < kToldApartDistance) {
          continue;
        }
        ReadabilityPair pair{group, a, b, {}};
        for (std::size_t v = 0; v < kDeficiencies.size(); ++v) {
          if (OklabDistance(first[v + 1], second[v + 1]) < kLookAlikeDistance) {
            pair.views.push_back(kDeficiencies[v]);
          }
        }
        if (!pair.views.empty()) pairs.push_back(std::move(pair));
      }
    }
  }
  return pairs;
}

std::vector<ReadabilityPair> UnreadablePairs(const Document& document) {
  SlotColours colours{};
  ShownSlots shown{};
  for (int s = 1; s <= kSlotCount; ++s) {
    colours[static_cast<std::size_t>(s - 1)] = SlotFill(document, s);
    shown[static_cast<std::size_t>(s - 1)] = SlotShown(document, s);
  }
  return UnreadablePairs(colours, shown);
}

namespace {

// How the texts are worded: Tr for what the user reads, Kept for what scripts read.
using Wording = std::string (*)(const char*);
std::string Kept(const char* text) { return text; }

std::string PairText(const ReadabilityPair& pair, Wording words) {
  std::string views;
  for (std::size_t v = 0; v < pair.views.size(); ++v) {
    const std::string name = words(std::string(VisionName(pair.views[v])).c_str());
    if (v == 0) {
      views = name;
    } else {
      // Translators: joins the names of colour deficiencies into a list.
      const char* joined = v + 1 == pair.views.size() ? N_("%s and %s") : N_("%s, %s");
      views = Filled(words(joined), {views, name});
    }
  }
  return Filled(words(N_("%s: slots %s and %s look alike under %s")),
                {words(kGroupNames[static_cast<std::size_t>(pair.group - 1)]),
                 std::to_string(pair.first), std::to_string(pair.second), views});
}

std::string Report(const std::vector<ReadabilityPair>& pairs, Wording words) {
  if (pairs.empty()) {
    return words(
        N_("No two slots of a group look alike under protanopia, deuteranopia or tritanopia."));
  }
  std::string report;
  for (const ReadabilityPair& pair : pairs) {
    if (!report.empty()) report += '\n';
    report += PairText(pair, words);
  }
  return report;
}

}  // namespace

std::string ReadabilityText(const ReadabilityPair& pair) { return PairText(pair, Tr); }

std::string ReadabilityReport(const std::vector<ReadabilityPair>& pairs) {
  return Report(pairs, Tr);
}

std::string ReadabilityLines(const std::vector<ReadabilityPair>& pairs) {
  return Report(pairs, Kept);
}

}  // namespace tintara
