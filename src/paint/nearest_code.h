#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "paint/oklab.h"
#include "platform/colour.h"

namespace tintara {

// The codes a user can drag from the swatch board: all but white (0) and the marker colours of
// marker set 2 (239 and up).
inline constexpr std::int32_t kFirstBoardCode = 1;
inline constexpr std::int32_t kLastBoardCode = 238;
inline constexpr auto kBoardCodes = [] {
  std::array<std::int32_t, kLastBoardCode - kFirstBoardCode + 1> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i) {
    codes[i] = kFirstBoardCode + static_cast<std::int32_t>(i);
  }
  return codes;
}();

// The candidate whose reference colour lies nearest the target in OKLab (the first of equals, so
// the lowest code of candidates in ascending order), among those not taken, or among all of them
// when every one is. The one rule every code found for a colour follows.
std::int32_t NearestCandidate(const Oklab& target, std::span<const std::int32_t> candidates,
                              const std::vector<std::int32_t>& taken = {});

// A colour from outside and the code that stands for it.
struct CodeMatch {
  Colour colour = 0;
  std::int32_t code = 0;
  double distance = 0;  // how far apart they look, in OKLab
  friend bool operator==(const CodeMatch&, const CodeMatch&) = default;
};

// The board code nearest the colour in OKLab; of codes at the same distance, the lowest. Every
// colour that comes from outside (a palette, pasted text) becomes a code by this one rule.
CodeMatch NearestCode(Colour colour);
std::vector<CodeMatch> NearestCodes(std::span<const Colour> colours);

// The position of the match furthest from its colour (the first of equals); 0 when none.
std::size_t WorstMatch(std::span<const CodeMatch> matches);

// The distance with three decimals in the C locale ("0.051"), for people and scripts alike.
std::string DistanceText(double distance);

// "colour 7 #12AB34 → code 88, distance 0.051", the colour counted from 1 at this position.
std::string MatchText(std::size_t position, const CodeMatch& match);

}  // namespace tintara
