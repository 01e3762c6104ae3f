#include "paint/nearest_code.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "paint/palette_text.h"
#include "paint/reference_oklab.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {

namespace {

double DistanceToCode(const Oklab& target, std::int32_t code) {
  return OklabDistance(target, ReferenceOklab()[static_cast<std::size_t>(code)]);
}

}  // namespace

std::int32_t NearestCandidate(const Oklab& target, std::span<const std::int32_t> candidates,
                              const std::vector<std::int32_t>& taken) {
  std::int32_t best = -1;
  double bestDistance = 0;
  for (const bool avoidTaken : {true, false}) {
    for (const std::int32_t code : candidates) {
      if (avoidTaken && std::find(taken.begin(), taken.end(), code) != taken.end()) continue;
      const double distance = DistanceToCode(target, code);
      if (best < 0 || distance < bestDistance) {
        best = code;
        bestDistance = distance;
      }
    }
    if (best >= 0) break;
  }
  return best;
}

CodeMatch NearestCode(Colour colour) {
  const Oklab lab = OklabOf(colour);
  const std::int32_t code = NearestCandidate(lab, kBoardCodes);
  return {colour, code, DistanceToCode(lab, code)};
}

std::vector<CodeMatch> NearestCodes(std::span<const Colour> colours) {
  std::vector<CodeMatch> matches;
  matches.reserve(colours.size());
  for (const Colour colour : colours) matches.push_back(NearestCode(colour));
  return matches;
}

std::size_t WorstMatch(std::span<const CodeMatch> matches) {
  std::size_t worst = 0;
  for (std::size_t i = 1; i < matches.size(); ++i) {
    if (matches[i].distance > matches[worst].distance) worst = i;
  }
  return worst;
}

std::string DistanceText(double distance) {
  // to_chars ignores the locale, so scripts read the same digits everywhere.
  std::array<char, 32> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), distance, std::chars_format::fixed, 3);
  return std::string(text.data(), written.ptr);
}

std::string MatchText(std::size_t position, const CodeMatch& match) {
  return Filled(Tr("colour %s %s \u2192 code %s, distance %s"),
                {std::to_string(position + 1), HexColourText(match.colour),
                 std::to_string(match.code), DistanceText(match.distance)});
}

}  // namespace tintara
