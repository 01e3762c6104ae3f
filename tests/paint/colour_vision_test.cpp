#include "paint/colour_vision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "paint/reference_palette.h"

namespace tintara {
namespace {

// A second, plain implementation: the matrices as libDaltonLens publishes them and the sRGB
// transfer written out, all in double precision.
using Rows = std::array<double, 9>;
struct Published {
  Rows plane1;
  Rows plane2;                     // the same as plane1 for a single plane
  std::array<double, 3> normal{};  // decides between the planes: plane1 where the dot is >= 0
};

Published PublishedFor(Vision vision) {
  const Rows protan = {0.11238, 0.88762, 0.0, 0.11238, 0.88762, 0.0, 0.00401, -0.00401, 1.0};
  const Rows deutan = {0.29275, 0.70725, 0.0, 0.29275, 0.70725, 0.0, -0.02234, 0.02234, 1.0};
  const Rows luminance = {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722};
  const Rows identity = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  switch (vision) {
    case Vision::Protanopia:
      return {protan, protan};
    case Vision::Deuteranopia:
      return {deutan, deutan};
    case Vision::Tritanopia:
      return {{1.01277, 0.13548, -0.14826, -0.01243, 0.86812, 0.14431, 0.07589, 0.80500, 0.11911},
              {0.93678, 0.18979, -0.12657, 0.06154, 0.81526, 0.12320, -0.37562, 1.12767, 0.24796},
              {0.03901, -0.02788, -0.01113}};
    case Vision::Achromatopsia:
      return {luminance, luminance};
    case Vision::Normal:
      break;
  }
  return {identity, identity};
}

double ToLinear(int level) {
  const double v = level / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

int ToLevel(double linear) {
  const double v = std::min(std::max(linear, 0.0), 1.0);
  return int(
      std::lround(255.0 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
}

std::array<int, 3> Expected(Vision vision, Colour colour) {
  const Published published = PublishedFor(vision);
  const double rgb[3] = {ToLinear(RedOf(colour)), ToLinear(GreenOf(colour)),
                         ToLinear(BlueOf(colour))};
  const auto& n = published.normal;
  const bool first = n[0] * rgb[0] + n[1] * rgb[1] + n[2] * rgb[2] >= 0;
  const Rows& m = first ? published.plane1 : published.plane2;
  std::array<int, 3> levels{};
  for (int row = 0; row < 3; ++row) {
    levels[row] = ToLevel(m[3 * row] * rgb[0] + m[3 * row + 1] * rgb[1] + m[3 * row + 2] * rgb[2]);
  }
  return levels;
}

constexpr Vision kViews[] = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia,
                             Vision::Tritanopia, Vision::Achromatopsia};

TEST(Simulated, AgreesWithThePublishedMatricesForEveryReferenceColourWithinOneLevel) {
  for (Vision vision : kViews) {
    for (int code = 0; code < 256; ++code) {
      SCOPED_TRACE(testing::Message() << VisionName(vision) << ", code " << code);
      const Colour simulated = Simulated(vision, ReferenceColour(code));
      const std::array<int, 3> expected = Expected(vision, ReferenceColour(code));
      EXPECT_LE(std::abs(RedOf(simulated) - expected[0]), 1);
      EXPECT_LE(std::abs(GreenOf(simulated) - expected[1]), 1);
      EXPECT_LE(std::abs(BlueOf(simulated) - expected[2]), 1);
    }
  }
}

TEST(Simulated, KeepsEveryGreyInEveryView) {
  for (Vision vision : kViews) {
    for (int level = 0; level < 256; ++level) {
      const auto v = static_cast<std::uint8_t>(level);
      EXPECT_EQ(Simulated(vision, MakeColour(v, v, v)), MakeColour(v, v, v))
          << VisionName(vision) << ", level " << level;
    }
  }
}

TEST(SimulatedTable, SimulatesEachDisplayPixelInItsOwnChannels) {
  DisplayTable table{};
  table[0] = ToDisplayPixel(MakeColour(255, 0, 0));
  table[1] = ToDisplayPixel(MakeColour(0, 0, 255));
  for (Vision vision : kViews) {
    const DisplayTable simulated = SimulatedTable(vision, table);
    for (std::size_t i : {0u, 1u}) {
      EXPECT_EQ(simulated[i], ToDisplayPixel(Simulated(vision, FromDisplayPixel(table[i]))))
          << VisionName(vision) << ", entry " << i;
    }
  }
}

}  // namespace
}  // namespace tintara
