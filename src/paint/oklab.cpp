#include "paint/oklab.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tintara {

double DecodeSrgb(std::uint8_t level) {
  const double encoded = level / 255.0;
  return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

std::uint8_t EncodeSrgb(double linear) {
  const double clamped = std::clamp(linear, 0.0, 1.0);
  const double encoded =
      clamped <= 0.0031308 ? clamped * 12.92 : 1.055 * std::pow(clamped, 1.0 / 2.4) - 0.055;
  return static_cast<std::uint8_t>(std::lround(std::clamp(encoded, 0.0, 1.0) * 255.0));
}

LinearRgb LinearOf(Colour colour) {
  return {DecodeSrgb(RedOf(colour)), DecodeSrgb(GreenOf(colour)), DecodeSrgb(BlueOf(colour))};
}

Colour ColourOfLinear(const LinearRgb& linear) {
  return MakeColour(EncodeSrgb(linear.red), EncodeSrgb(linear.green), EncodeSrgb(linear.blue));
}

// Ottosson's matrices (2020), from linear sRGB to cone responses and from their cube roots on.
Oklab OklabOfLinear(const LinearRgb& c) {
  const double l = std::cbrt(0.4122214708 * c.red + 0.5363325363 * c.green + 0.0514459929 * c.blue);
  const double m = std::cbrt(0.2119034982 * c.red + 0.6806995451 * c.green + 0.1073969566 * c.blue);
  const double s = std::cbrt(0.0883024619 * c.red + 0.2817188376 * c.green + 0.6299787005 * c.blue);
  return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
          1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
          0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

LinearRgb LinearOfOklab(const Oklab& lab) {
  const double l = std::pow(lab.l + 0.3963377774 * lab.a + 0.2158037573 * lab.b, 3);
  const double m = std::pow(lab.l - 0.1055613458 * lab.a - 0.0638541728 * lab.b, 3);
  const double s = std::pow(lab.l - 0.0894841775 * lab.a - 1.2914855480 * lab.b, 3);
  return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
          -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
          -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Oklab OklabOf(Colour colour) { return OklabOfLinear(LinearOf(colour)); }

Oklch OklchOf(const Oklab& lab) {
  double hue = std::atan2(lab.b, lab.a) * 180.0 / std::numbers::pi;
  // A hue just below zero would round to 360 when moved up.
  if (hue < 0) hue += 360.0;
  if (hue >= 360.0) hue = 0;
  return {lab.l, std::hypot(lab.a, lab.b), hue};
}

Oklab OklabOfOklch(const Oklch& lch) {
  const double radians = lch.hue * std::numbers::pi / 180.0;
  return {lch.l, lch.chroma * std::cos(radians), lch.chroma * std::sin(radians)};
}

double OklabDistance(const Oklab& first, const Oklab& second) {
  const double dl = first.l - second.l;
  const double da = first.a - second.a;
  const double db = first.b - second.b;
  return std::sqrt(dl * dl + da * da + db * db);
}

}  // namespace tintara
