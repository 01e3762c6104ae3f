#include "artwork.h"

#include <algorithm>
#include <array>
#include <limits>

#include "paint/reference_palette.h"
#include "paint/slot_tables.h"

namespace tintara::artgen {

namespace {

constexpr Colour kInkColour = Rgb(30, 22, 34);
constexpr Colour kEyeWhiteColour = Rgb(244, 244, 236);
constexpr Colour kPupilColour = Rgb(26, 20, 30);
constexpr Colour kMouthColour = Rgb(176, 62, 70);
const std::vector<Colour> kGoldRamp = {Rgb(140, 100, 26), Rgb(204, 160, 48), Rgb(246, 222, 122)};

int Mix(int from, int to, double amount) {
  return std::clamp(static_cast<int>(from + (to - from) * amount + 0.5), 0, 255);
}

Colour Blend(Colour colour, Colour target, double amount) {
  return Rgb(Mix(RedOf(colour), RedOf(target), amount),
             Mix(GreenOf(colour), GreenOf(target), amount),
             Mix(BlueOf(colour), BlueOf(target), amount));
}

int DistanceSquared(Colour a, Colour b) {
  const int red = RedOf(a) - RedOf(b);
  const int green = GreenOf(a) - GreenOf(b);
  const int blue = BlueOf(a) - BlueOf(b);
  return 3 * red * red + 6 * green * green + blue * blue;
}

// The reference code nearest to a colour, never one of the marker set 2 positions.
std::uint8_t NearestReferenceCode(Colour colour) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int code = 0; code < 256; ++code) {
    if (code >= kSlots.front().set2Code && code <= kSlots.back().set2Code) continue;
    const int distance = DistanceSquared(colour, ReferenceColour(code));
    if (distance < bestDistance) {
      best = code;
      bestDistance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

// Colour-table positions for a picture's own colours: under marker set 1 the next free positions
// around the slot block, under marker set 2 the nearest reference colours.
class OwnColours {
 public:
  OwnColours(MarkerSet markers, ArtworkPalette& table) : markers_(markers), table_(table) {}

  std::uint8_t Add(Colour colour) {
    if (markers_ == MarkerSet::Two) return NearestReferenceCode(colour);
    if (next_ == entry::Slot(1)) next_ = entry::Slot(kSlotCount) + 1;
    table_.Set(next_, colour);
    return static_cast<std::uint8_t>(next_++);
  }

  Ramp AddRamp(const std::vector<Colour>& colours) {
    Ramp ramp;
    for (const Colour colour : colours) ramp.push_back(Add(colour));
    return ramp;
  }

 private:
  MarkerSet markers_;
  ArtworkPalette& table_;
  int next_ = 1;
};

std::uint8_t SlotPosition(MarkerSet markers, int slot) {
  return markers == MarkerSet::One ? entry::Slot(slot)
                                   : static_cast<std::uint8_t>(kSlots[slot - 1].set2Code);
}

}  // namespace

std::vector<Colour> RampAround(Colour middle, int count) {
  // Shadows darken towards a cool dark, highlights lighten towards white.
  constexpr std::array<double, 5> kSteps = {-0.5, -0.25, 0, 0.28, 0.55};
  std::vector<Colour> ramp;
  for (int i = 0; i < count; ++i) {
    const double step = kSteps[static_cast<std::size_t>(i * 4 / std::max(1, count - 1))];
    ramp.push_back(step < 0 ? Blend(middle, Rgb(20, 14, 30), -step)
                            : Blend(middle, Rgb(255, 255, 250), step));
  }
  return ramp;
}

Artwork DrawArtwork(const ArtworkDesign& picture) {
  ArtworkPalette table =
      picture.markers == MarkerSet::Two ? ArtworkPalette(kReferencePalette) : ArtworkPalette();
  OwnColours own(picture.markers, table);
  const std::uint8_t background =
      picture.markers == MarkerSet::Two ? own.Add(kPictureBackground) : entry::kBackground;
  if (picture.markers == MarkerSet::One) table.Set(background, kPictureBackground);

  Paints paints(material::kCount);
  for (int group = 1; group <= kGroupCount; ++group) {
    Ramp& ramp = paints[static_cast<std::size_t>(group - 1)];
    for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
      ramp.push_back(SlotPosition(picture.markers, s));
    }
  }
  auto at = [&](int m) -> Ramp& { return paints[static_cast<std::size_t>(m)]; };
  at(material::kInk) = {own.Add(kInkColour)};
  at(material::kEyeWhite) = {own.Add(kEyeWhiteColour)};
  at(material::kPupil) = {own.Add(kPupilColour)};
  at(material::kMouth) = {own.Add(kMouthColour)};
  at(material::kGold) = own.AddRamp(kGoldRamp);
  at(material::kAccent) = own.AddRamp(picture.accent);
  at(material::kAccent2) = own.AddRamp(picture.accent2);

  IndexGrid canvas(picture.width, picture.height, background);
  PaintFigure(picture.figure, paints, canvas);
  canvas.OutlineFigure(background, at(material::kInk).front());

  if (picture.markers == MarkerSet::One) {
    // Only the groups the picture paints get their markers.
    for (int group = 1; group <= kGroupCount; ++group) {
      const Ramp& ramp = paints[static_cast<std::size_t>(group - 1)];
      bool painted = false;
      for (int y = 0; y < canvas.height() && !painted; ++y) {
        for (int x = 0; x < canvas.width() && !painted; ++x) {
          painted = std::find(ramp.begin(), ramp.end(), canvas.At(x, y)) != ramp.end();
        }
      }
      if (!painted) continue;
      for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
        table.Set(entry::Slot(s), kSlots[s - 1].set1Marker);
      }
    }
  }
  return {picture.fileName, canvas.ToBitmap(table.entries()), picture.markers};
}

}  // namespace tintara::artgen
