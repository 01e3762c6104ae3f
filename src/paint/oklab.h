#pragma once

#include <cstdint>

#include "platform/colour.h"

namespace tintara {

// A colour in linear light, sRGB primaries; channels may leave 0..1 on the way between spaces.
struct LinearRgb {
  double red = 0;
  double green = 0;
  double blue = 0;
};

// Ottosson's perceptual space: lightness l (0 black, 1 white) and the opponent axes a, b.
struct Oklab {
  double l = 0;
  double a = 0;
  double b = 0;
};

// OKLab in polar form: lightness, chroma and hue in degrees, 0 <= hue < 360.
struct Oklch {
  double l = 0;
  double chroma = 0;
  double hue = 0;
};

// The sRGB transfer as the standard defines it: an 8-bit level to linear light, and linear light
// (clamped to 0..1) to the nearest 8-bit level.
double DecodeSrgb(std::uint8_t level);
std::uint8_t EncodeSrgb(double linear);

LinearRgb LinearOf(Colour colour);
Colour ColourOfLinear(const LinearRgb& linear);

Oklab OklabOfLinear(const LinearRgb& linear);
LinearRgb LinearOfOklab(const Oklab& lab);
Oklab OklabOf(Colour colour);

Oklch OklchOf(const Oklab& lab);
Oklab OklabOfOklch(const Oklch& lch);

// How far apart two colours look: the Euclidean distance in OKLab.
double OklabDistance(const Oklab& first, const Oklab& second);

}  // namespace tintara
