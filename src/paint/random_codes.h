#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tintara {

// The classic Borland linear congruential generator: the same seed gives the same draws, so
// tests can seed it while the program seeds it once from the clock.
class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed) : seed_(seed) {}

  // A uniformly distributed value in 0..range-1; 0 when range is not positive.
  std::int32_t Next(std::int32_t range);
  // The seed a new generator takes to draw what this one draws next: a roll made from it can be
  // made again.
  std::uint32_t State() const { return seed_; }

 private:
  std::uint32_t seed_;
};

// The codes random rolls give: never 0 and never one of the marker codes above 239.
inline constexpr std::int32_t kFirstDrawnCode = 1;
inline constexpr std::int32_t kLastDrawnCode = 239;

inline constexpr auto kDrawnCodes = [] {
  std::array<std::int32_t, kLastDrawnCode - kFirstDrawnCode + 1> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i) {
    codes[i] = kFirstDrawnCode + static_cast<std::int32_t>(i);
  }
  return codes;
}();

// A random code for a slot among `codes` (not empty), by one draw: kDrawnCodes unless a roll is
// kept to other codes.
std::int32_t DrawCode(RandomGenerator& generator,
                      std::span<const std::int32_t> codes = kDrawnCodes);

// The skin presets give slots 6..10 a ramp of five codes.
inline constexpr int kSkinPresetFirstSlot = 6;
inline constexpr int kSkinPresetLength = 5;
using SkinPreset = std::array<std::int32_t, kSkinPresetLength>;

constexpr SkinPreset SkinRamp(std::int32_t first, std::int32_t step) {
  SkinPreset ramp{};
  for (int k = 0; k < kSkinPresetLength; ++k) ramp[k] = first + k * step;
  return ramp;
}

inline constexpr SkinPreset kSkinPresetA = SkinRamp(78, -2);  // while the skin toggle is false
inline constexpr SkinPreset kSkinPresetB = SkinRamp(51, +2);  // while the skin toggle is true

constexpr const SkinPreset& SkinPresetFor(bool skinToggle) {
  return skinToggle ? kSkinPresetB : kSkinPresetA;
}

}  // namespace tintara
