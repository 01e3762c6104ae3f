#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"

namespace tintara::artgen {

constexpr Colour Rgb(int red, int green, int blue) {
  return MakeColour(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                    static_cast<std::uint8_t>(blue));
}

// Where the figure pictures keep their colours. The code slots sit together from position 16 on,
// slot s at 15 + s; everything else lies below them and the rest of the table stays black.
namespace entry {
inline constexpr std::uint8_t kBackground = 0;
inline constexpr std::uint8_t kOutline = 1;
inline constexpr std::uint8_t kEyeWhite = 2;
inline constexpr std::uint8_t kPupil = 3;
inline constexpr std::uint8_t kLips = 4;
inline constexpr std::uint8_t kLeather = 5;  // three shades, dark to light
inline constexpr std::uint8_t kHair = 8;     // five shades, dark to light
inline constexpr std::uint8_t kGrey = 8;     // five shades in pictures without hair
inline constexpr int kLeatherShades = 3;
inline constexpr int kHairShades = 5;

constexpr std::uint8_t Slot(int slot) { return static_cast<std::uint8_t>(15 + slot); }
}  // namespace entry

// A 256-entry colour table, every fourth byte zero.
class ArtworkPalette {
 public:
  ArtworkPalette() : entries_(256) {}
  explicit ArtworkPalette(const std::array<Colour, 256>& colours);

  void Set(int position, Colour colour);
  const std::vector<ColourTableEntry>& entries() const { return entries_; }

 private:
  std::vector<ColourTableEntry> entries_;
};

// The entries of a marker set 1 picture: slot s carries its set 1 marker at entry::Slot(s).
ArtworkPalette SlotMarkedTable();

// A picture meant for marker set 1 must not hold a marker or fallback colour anywhere but at its
// slot positions, nor the set 2 signature. A slot position holds its marker, or black when the
// picture leaves the slot out. Returns what is wrong, if anything.
std::optional<std::string> FindMarkerMistake(const ArtworkPalette& table);

}  // namespace tintara::artgen
