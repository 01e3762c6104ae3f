#include "paint/oklab.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tintara {
namespace {

void ExpectLab(const Oklab& lab, double l, double a, double b, double tolerance) {
  EXPECT_NEAR(lab.l, l, tolerance);
  EXPECT_NEAR(lab.a, a, tolerance);
  EXPECT_NEAR(lab.b, b, tolerance);
}

TEST(SrgbTransfer, DecodesAndRoundsAsTheStandardDoes) {
  EXPECT_EQ(DecodeSrgb(0), 0.0);
  EXPECT_NEAR(DecodeSrgb(10), 0.0030353, 1e-7);  // on the linear segment
  EXPECT_NEAR(DecodeSrgb(128), 0.2158605, 1e-7);
  EXPECT_DOUBLE_EQ(DecodeSrgb(255), 1.0);
  for (int level = 0; level < 256; ++level) {
    EXPECT_EQ(EncodeSrgb(DecodeSrgb(static_cast<std::uint8_t>(level))), level);
  }
  // Rounded as the standard's encoded value is, at every level's boundary.
  for (int level = 0; level < 255; ++level) {
    const double encoded = (level + 0.5) / 255.0;
    const double boundary =
        encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
    EXPECT_EQ(EncodeSrgb(boundary * (1 - 1e-9)), level);
    EXPECT_EQ(EncodeSrgb(boundary * (1 + 1e-9)), level + 1);
  }
  EXPECT_EQ(EncodeSrgb(-0.5), 0);
  EXPECT_EQ(EncodeSrgb(2.0), 255);
}

TEST(Oklab, MatchesPublishedValuesForSrgbColours) {
  ExpectLab(OklabOf(MakeColour(255, 255, 255)), 1.0, 0.0, 0.0, 1e-6);
  ExpectLab(OklabOf(MakeColour(0, 0, 0)), 0.0, 0.0, 0.0, 1e-9);
  ExpectLab(OklabOf(MakeColour(255, 0, 0)), 0.62796, 0.22486, 0.12585, 5e-4);
  ExpectLab(OklabOf(MakeColour(0, 255, 0)), 0.86644, -0.23389, 0.17950, 5e-4);
  ExpectLab(OklabOf(MakeColour(0, 0, 255)), 0.45201, -0.03246, -0.31153, 5e-4);
}

TEST(Oklab, MatchesOttossonsTableOfXyzColours) {
  // The XYZ colours of Ottosson's table, taken to linear sRGB by the standard's matrix.
  const struct {
    double x, y, z, l, a, b;
  } table[] = {
      {0.950, 1.000, 1.089, 1.000, 0.000, 0.000},
      {1.000, 0.000, 0.000, 0.450, 1.236, -0.019},
      {0.000, 1.000, 0.000, 0.922, -0.671, 0.263},
      {0.000, 0.000, 1.000, 0.153, -1.415, -0.449},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << row.x << " " << row.y << " " << row.z);
    const LinearRgb linear{3.2406 * row.x - 1.5372 * row.y - 0.4986 * row.z,
                           -0.9689 * row.x + 1.8758 * row.y + 0.0415 * row.z,
                           0.0557 * row.x - 0.2040 * row.y + 1.0570 * row.z};
    ExpectLab(OklabOfLinear(linear), row.l, row.a, row.b, 3e-3);
  }
}

TEST(Oklab, ConvertsBackToLinearLight) {
  for (const LinearRgb& colour : {LinearRgb{0.2, 0.5, 0.9}, LinearRgb{1.0, 0.0, 0.3}}) {
    const LinearRgb back = LinearOfOklab(OklabOfLinear(colour));
    EXPECT_NEAR(back.red, colour.red, 1e-6);
    EXPECT_NEAR(back.green, colour.green, 1e-6);
    EXPECT_NEAR(back.blue, colour.blue, 1e-6);
  }
}

TEST(Oklch, GivesChromaAndHueInDegreesAndConvertsBack) {
  const Oklch red = OklchOf(OklabOf(MakeColour(255, 0, 0)));
  EXPECT_NEAR(red.chroma, 0.2577, 5e-4);
  EXPECT_NEAR(red.hue, 29.23, 0.05);
  const Oklab blue = OklabOf(MakeColour(0, 0, 255));
  const Oklch blueLch = OklchOf(blue);
  EXPECT_NEAR(blueLch.hue, 264.05, 0.05);  // below the a axis, yet not negative
  ExpectLab(OklabOfOklch(blueLch), blue.l, blue.a, blue.b, 1e-12);
}

TEST(OklabDistance, IsEuclideanOverAllThreeAxes) {
  EXPECT_NEAR(OklabDistance({0.1, 0.2, -0.3}, {0.3, -0.1, 0.3}), 0.7, 1e-12);
}

}  // namespace
}  // namespace tintara
