#include "paint/oklab.h"

#include <array>
#include <cmath>
#include <numbers>

namespace tintara {

namespace {

double DecodedValue(double encoded) {
  return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Linear light in this many equal steps: the levels start further apart than a step (3.0e-4 at
// their closest, near black), so a step's first level and one comparison find any value's level.
constexpr int kSteps = 4096;

// The transfer in tables, made once: a table of colours is simulated on every repaint, and the
// powers would cost more than drawing the picture.
struct SrgbTables {
  std::array<double, 256> decoded{};
  // Where level n + 1 becomes nearer than level n, in linear light: the standard's rounding.
  std::array<double, 256> nextFrom{};
  std::array<std::uint8_t, kSteps + 1> levelAtStep{};

  SrgbTables() {
    for (int level = 0; level < 256; ++level) {
      decoded[static_cast<std::size_t>(level)] = DecodedValue(level / 255.0);
      nextFrom[static_cast<std::size_t>(level)] =
          level < 255 ? DecodedValue((level + 0.5) / 255.0) : HUGE_VAL;
    }
    std::size_t level = 0;
    for (int step = 0; step <= kSteps; ++step) {
      while (double(step) / kSteps >= nextFrom[level]) ++level;
      levelAtStep[static_cast<std::size_t>(step)] = static_cast<std::uint8_t>(level);
    }
  }
};

const SrgbTables& Tables() {
  static const SrgbTables tables;
  return tables;
}

}  // namespace

double DecodeSrgb(std::uint8_t level) { return Tables().decoded[level]; }

std::uint8_t EncodeSrgb(double linear) {
  if (!(linear > 0)) return 0;  // NaN too
  if (linear >= 1) return 255;
  const SrgbTables& tables = Tables();
  std::size_t level = tables.levelAtStep[static_cast<std::size_t>(linear * kSteps)];
  level += linear >= tables.nextFrom[level] ? 1 : 0;  // without a branch to mispredict
  return static_cast<std::uint8_t>(level);
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
