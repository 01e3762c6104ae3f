#include "paint/nearest_code.h"
#include "paint/palette_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "paint/reference_palette.h"

namespace tintara {
namespace {

// OKLab as Ottosson publishes it, from the sRGB standard's transfer, without the program's tables.
struct Lab {
  double l, a, b;
};

Lab PublishedOklab(Colour colour) {
  const auto linear = [](int level) {
    const double v = level / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double r = linear(RedOf(colour)), g = linear(GreenOf(colour)), b = linear(BlueOf(colour));
  const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
  const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
  const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
  return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
          1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
          0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

TEST(NearestCode, IsTheLowestBoardCodeAtTheLeastOklabDistance) {
  const Colour shared = kReferencePalette[84];  // code 22 has the same colour
  const Colour onCode = kReferencePalette[100];
  const Colour marker = kReferencePalette[245];  // not on the board
  for (const Colour colour : {shared, onCode, marker, MakeColour(255, 255, 255),
                              MakeColour(0x12, 0xAB, 0x34), MakeColour(200, 10, 90)}) {
    SCOPED_TRACE(HexColourText(colour));
    const Lab lab = PublishedOklab(colour);
    int best = -1;
    double least = 0;
    // White (0) and the marker colours from 239 up cannot be dragged from the board.
    for (int code = 1; code <= 238; ++code) {
      const Lab reference = PublishedOklab(kReferencePalette[static_cast<std::size_t>(code)]);
      const double distance =
          std::hypot(lab.l - reference.l, lab.a - reference.a, lab.b - reference.b);
      if (best < 0 || distance < least - 1e-12) {
        best = code;
        least = distance;
      }
    }
    const CodeMatch match = NearestCode(colour);
    EXPECT_EQ(match.code, best);
    EXPECT_NEAR(match.distance, least, 1e-9);
    EXPECT_EQ(match.colour, colour);
  }
  EXPECT_EQ(NearestCode(shared).code, 22);
  EXPECT_EQ(NearestCode(onCode).code, 100);
  EXPECT_EQ(NearestCode(onCode).distance, 0);
}

}  // namespace
}  // namespace tintara
