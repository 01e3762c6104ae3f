#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/colour.h"
#include "platform/translation.h"

namespace tintara {

inline constexpr int kSlotCount = 16;
inline constexpr int kGroupCount = 4;

// The groups as their captions name them, in words for screen readers and tables; in English as
// files keep them.
inline constexpr std::array<const char*, kGroupCount> kGroupNames = {
    // Translators: the four groups of slots a skin is painted in: its clothes below, its skin, its
    // clothes above, and a buckle or the eyes.
    N_("Bottom"), N_("Skin"), N_("Top"), N_("Buckle or Eyes")};

// A group's name (1..4) in the user's language, as messages and step names show it.
inline std::string GroupName(int group) {
  return Tr(kGroupNames[static_cast<std::size_t>(group - 1)]);
}

// What identifies one code slot in a bitmap's colour table, and the codes a load gives it.
struct SlotDefinition {
  int group;          // 1..4
  Colour set1Marker;  // marker colour of marker set 1
  int set1Code;       // default code under marker set 1
  Colour set2Marker;  // marker colour of marker set 2 (the reference colour of set2Code)
  int set2Code;       // default code under marker set 2
  Colour fallback;    // searched when the marker is absent: the reference colour of set1Code
};

// Indexed by slot - 1.
inline constexpr std::array<SlotDefinition, kSlotCount> kSlots = {{
    {1, 0x080808, 9, 0x472F2B, 239, 0x0F0F0F},    // slot 1
    {1, 0x101010, 223, 0x57433F, 240, 0x131313},  // slot 2
    {1, 0x181818, 224, 0x6B5753, 241, 0x1F1F1F},  // slot 3
    {1, 0x422921, 127, 0x7F6B67, 242, 0x472B27},  // slot 4
    {1, 0x5A3931, 128, 0x937F7B, 243, 0x5F3B37},  // slot 5
    {2, 0x6B4A42, 129, 0xA7938F, 244, 0x6F4B47},  // slot 6
    {2, 0x7B5A52, 130, 0xBBA39F, 245, 0x7B5B53},  // slot 7
    {2, 0x846B63, 131, 0xCFB7B3, 246, 0x876B63},  // slot 8
    {2, 0x947B73, 132, 0xDFCBC7, 247, 0x937B77},  // slot 9
    {2, 0x9C8C8C, 133, 0xF3DFDB, 248, 0x9F8B8F},  // slot 10
    {3, 0x005200, 221, 0x3B3B27, 249, 0x005707},  // slot 11
    {3, 0x007B00, 219, 0x5B5B47, 250, 0x007F07},  // slot 12
    {3, 0x00A500, 217, 0x7F7F67, 251, 0x00A707},  // slot 13
    {3, 0x00CE00, 215, 0x9F9F87, 252, 0x00CF00},  // slot 14
    {3, 0x4AEFC6, 210, 0xBFBFAB, 253, 0x4BEFC3},  // slot 15
    {4, 0x0000B5, 39, 0x4B4B2F, 254, 0x0000B7},   // slot 16
}};

// What each slot swatch shows before the first load, indexed by slot - 1. Slot 8's design value
// lies outside the colour range; it shows the colour of its neighbour, slot 9.
inline constexpr std::array<Colour, kSlotCount> kSlotDesignColours = {
    0x005200, 0x007B00, 0x00A500, 0x00CE00, 0x080808, 0x101010, 0x181818, 0x5A3931,
    0x5A3931, 0x6B4A42, 0x7B5A52, 0x846B63, 0x947B73, 0x9C8C8C, 0x4AEFC6, 0xFFFFFF,
};

// A colour table holding these colours at positions 249..253 uses marker set 2.
inline constexpr int kSet2SignatureFirstPosition = 249;
inline constexpr std::array<Colour, 5> kSet2Signature = {0x3B3B27, 0x5B5B47, 0x7F7F67, 0x9F9F87,
                                                         0xBFBFAB};

inline constexpr std::string_view kDefaultCodeString =
    "9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39";

// First and last slot (1-based) of a group.
constexpr int FirstSlotOfGroup(int group) { return group == 4 ? 16 : 1 + 5 * (group - 1); }
constexpr int LastSlotOfGroup(int group) { return group == 4 ? 16 : 5 * group; }

}  // namespace tintara
