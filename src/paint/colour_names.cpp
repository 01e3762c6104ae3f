#include "paint/colour_names.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/translation.h"

namespace tintara {
namespace {

struct HueNames {
  double below;      // the hue's range ends here, in degrees
  double darkBelow;  // the lightness under which it reads as its dark shade
  std::string_view dark;
  std::string_view plain;
  std::string_view light;
};

// Marked for the catalogue: the window words them in the user's language where it shows them.
// Oranges and yellows turn into brown and olive at a lightness where other hues still read as
// themselves.
constexpr std::array<HueNames, 9> kHues = {{
    {15, 0.3, N_("dark red"), N_("red"), N_("pink")},
    {45, 0.45, N_("brown"), N_("orange"), N_("light orange")},
    {70, 0.35, N_("olive"), N_("yellow"), N_("light yellow")},
    {160, 0.3, N_("dark green"), N_("green"), N_("light green")},
    {200, 0.3, N_("teal"), N_("cyan"), N_("light cyan")},
    {255, 0.3, N_("navy"), N_("blue"), N_("light blue")},
    {290, 0.3, N_("dark purple"), N_("purple"), N_("light purple")},
    {335, 0.3, N_("dark magenta"), N_("magenta"), N_("pink")},
    {360, 0.3, N_("dark red"), N_("red"), N_("pink")},
}};

constexpr double kBlackBelow = 0.1;  // lightness
constexpr double kWhiteAbove = 0.95;
constexpr double kLightAbove = 0.7;
constexpr double kGreyBelow = 0.15;  // saturation

std::string_view GreyName(double lightness) {
  if (lightness < 0.35) return N_("dark grey");
  if (lightness < 0.65) return N_("grey");
  return N_("light grey");
}

}  // namespace

std::string_view ColourName(Colour colour) {
  const int red = RedOf(colour);
  const int green = GreenOf(colour);
  const int blue = BlueOf(colour);
  const int high = std::max({red, green, blue});
  const int low = std::min({red, green, blue});
  const int chroma = high - low;
  const double lightness = (high + low) / 510.0;
  if (lightness < kBlackBelow) return N_("black");
  if (lightness > kWhiteAbove) return N_("white");
  const double saturation = chroma / (255.0 - std::abs(high + low - 255));
  if (saturation < kGreyBelow) return GreyName(lightness);

  double hue = 0;
  if (high == red) {
    hue = 60.0 * (green - blue) / chroma;
  } else if (high == green) {
    hue = 60.0 * (blue - red) / chroma + 120;
  } else {
    hue = 60.0 * (red - green) / chroma + 240;
  }
  if (hue < 0) hue += 360;
  // The last range ends at 360: every hue falls in one.
  const HueNames& names = *std::find_if(kHues.begin(), kHues.end() - 1,
                                        [hue](const HueNames& range) { return hue < range.below; });
  if (lightness < names.darkBelow) return names.dark;
  if (lightness > kLightAbove) return names.light;
  return names.plain;
}

}  // namespace tintara
