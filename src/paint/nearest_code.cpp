#include "paint/nearest_code.h"

#include <array>
#include <charconv>

#include "paint/palette_text.h"
#include "paint/reference_palette.h"

namespace tintara {

const Oklab& ReferenceOklab(std::int32_t code) {
  static const std::array<Oklab, 256> table = [] {
    std::array<Oklab, 256> lab{};
    for (std::size_t c = 0; c < lab.size(); ++c) lab[c] = OklabOf(kReferencePalette[c]);
    return lab;
  }();
  return table[static_cast<std::size_t>(code)];
}

CodeMatch NearestCode(Colour colour) {
  const Oklab lab = OklabOf(colour);
  CodeMatch best{colour, kFirstBoardCode, OklabDistance(lab, ReferenceOklab(kFirstBoardCode))};
  for (std::int32_t code = kFirstBoardCode + 1; code <= kLastBoardCode; ++code) {
    const double distance = OklabDistance(lab, ReferenceOklab(code));
    if (distance < best.distance) best = {colour, code, distance};
  }
  return best;
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
  return "colour " + std::to_string(position + 1) + ' ' + HexColourText(match.colour) +
         " \u2192 code " + std::to_string(match.code) + ", distance " +
         DistanceText(match.distance);
}

}  // namespace tintara
