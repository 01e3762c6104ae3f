#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tintara {

// The natural skin tones of the reference palette, which the skin group draws from in the harmony
// modes. They are the codes "Gee!" may draw (1..239) whose OKLCH colour has a hue from 30 to 80
// degrees (the reds, oranges and yellows of skin), a chroma from 0.03 to 0.16 (neither grey nor
// vivid) and a lightness from 0.35 to 0.92 (neither near black nor near white); worked out once
// from the palette and kept as a table, which a test holds to these bounds.
inline constexpr double kSkinToneLeastHue = 30;
inline constexpr double kSkinToneMostHue = 80;
inline constexpr double kSkinToneLeastChroma = 0.03;
inline constexpr double kSkinToneMostChroma = 0.16;
inline constexpr double kSkinToneLeastLightness = 0.35;
inline constexpr double kSkinToneMostLightness = 0.92;

inline constexpr std::array<std::int32_t, 44> kSkinTones = {
    48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 66, 67, 68, 69,  70,  71,  72,  73,  74,
    75, 76, 77, 78, 79, 80, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 142, 143, 150, 160, 161, 162,
};

// The group whose slots colour the skin.
inline constexpr int kSkinGroup = 2;

// Whether the group draws among the skin tones only: the skin group does, unless the user allows
// any colour for skin.
bool KeptToSkinTones(int group, bool anyColourForSkin);

// The codes of `codes` the group may take, in their order: for a group kept to the skin tones,
// only those that are skin tones.
std::vector<std::int32_t> CodesForGroup(int group, std::span<const std::int32_t> codes,
                                        bool anyColourForSkin);

}  // namespace tintara
