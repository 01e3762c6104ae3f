#pragma once

#include <string>
#include <vector>

#include "figure.h"
#include "palette.h"
#include "platform/bitmap.h"
#include "platform/colour.h"

namespace tintara::artgen {

// Which marker colours a picture's colour table carries at its code slots.
enum class MarkerSet { One, Two };

// The materials every catalogue picture paints with: the four code slot groups, then colours of
// its own that no code changes.
namespace material {
inline constexpr int kGroup1 = 0;  // slots 1..5, dark to light
inline constexpr int kGroup2 = 1;  // slots 6..10
inline constexpr int kGroup3 = 2;  // slots 11..15
inline constexpr int kSlot16 = 3;
inline constexpr int kInk = 4;  // lines, and the outline around the figure
inline constexpr int kEyeWhite = 5;
inline constexpr int kPupil = 6;
inline constexpr int kMouth = 7;
inline constexpr int kGold = 8;      // three shades
inline constexpr int kAccent = 9;    // five shades, the picture's own
inline constexpr int kAccent2 = 10;  // five shades, the picture's own
inline constexpr int kCount = 11;
}  // namespace material

inline constexpr Colour kPictureBackground = Rgb(214, 220, 228);

// A catalogue picture before it is drawn. Slot groups its figure does not paint are left out of
// its colour table, so the program shows fewer slots for it.
struct ArtworkDesign {
  std::string fileName;
  int width = 56;
  int height = 64;
  Figure figure;
  MarkerSet markers = MarkerSet::One;
  std::vector<Colour> accent;   // dark to light
  std::vector<Colour> accent2;  // dark to light
};

// A drawn picture ready to be written.
struct Artwork {
  std::string fileName;
  Bitmap bitmap;
  MarkerSet markers = MarkerSet::One;
};

Artwork DrawArtwork(const ArtworkDesign& picture);

// A ramp of shades from dark to light around a middle colour.
std::vector<Colour> RampAround(Colour middle, int count = 5);

}  // namespace tintara::artgen
