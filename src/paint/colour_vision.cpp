#include "paint/colour_vision.h"

#include "paint/oklab.h"
#include "platform/translation.h"

namespace tintara {
namespace {

using Matrix = std::array<double, 9>;  // row by row

// The linear-RGB matrices published with libDaltonLens (libDaltonLens.c, public domain, by
// Nicolas Burrus): sRGB primaries and the cone fundamentals of Smith and Pokorny (1975), with
// the whole projection folded into one matrix per plane.

// Viénot, Brettel and Mollon (1999): one projection plane.
constexpr Matrix kProtanopia = {0.11238, 0.88762,  0.00000,   //
                                0.11238, 0.88762,  -0.00000,  //
                                0.00401, -0.00401, 1.00000};
constexpr Matrix kDeuteranopia = {0.29275,  0.70725, 0.00000,   //
                                  0.29275,  0.70725, -0.00000,  //
                                  -0.02234, 0.02234, 1.00000};

// Brettel, Viénot and Mollon (1997): two half-planes, chosen by the side of the separating plane
// a colour lies on (its normal is given in linear RGB).
constexpr Matrix kTritanopiaPlane1 = {1.01277,  0.13548, -0.14826,  //
                                      -0.01243, 0.86812, 0.14431,   //
                                      0.07589,  0.80500, 0.11911};
constexpr Matrix kTritanopiaPlane2 = {0.93678,  0.18979, -0.12657,  //
                                      0.06154,  0.81526, 0.12320,   //
                                      -0.37562, 1.12767, 0.24796};
constexpr std::array<double, 3> kTritanopiaSeparation = {0.03901, -0.02788, -0.01113};

// Rec. 709 luminance weights, applied in linear light.
constexpr std::array<double, 3> kLuminance = {0.2126, 0.7152, 0.0722};

LinearRgb Times(const Matrix& m, const LinearRgb& c) {
  return {m[0] * c.red + m[1] * c.green + m[2] * c.blue,
          m[3] * c.red + m[4] * c.green + m[5] * c.blue,
          m[6] * c.red + m[7] * c.green + m[8] * c.blue};
}

LinearRgb SimulatedLinear(Vision vision, const LinearRgb& c) {
  switch (vision) {
    case Vision::Normal:
      return c;
    case Vision::Protanopia:
      return Times(kProtanopia, c);
    case Vision::Deuteranopia:
      return Times(kDeuteranopia, c);
    case Vision::Tritanopia: {
      const auto& n = kTritanopiaSeparation;
      const double side = n[0] * c.red + n[1] * c.green + n[2] * c.blue;
      return Times(side >= 0 ? kTritanopiaPlane1 : kTritanopiaPlane2, c);
    }
    case Vision::Achromatopsia: {
      const double y = kLuminance[0] * c.red + kLuminance[1] * c.green + kLuminance[2] * c.blue;
      return {y, y, y};
    }
  }
  return c;
}

}  // namespace

std::string_view VisionName(Vision vision) {
  switch (vision) {
    case Vision::Normal:
      return N_("normal vision");
    case Vision::Protanopia:
      return N_("protanopia");
    case Vision::Deuteranopia:
      return N_("deuteranopia");
    case Vision::Tritanopia:
      return N_("tritanopia");
    case Vision::Achromatopsia:
      return N_("achromatopsia");
  }
  return "";
}

Colour Simulated(Vision vision, Colour colour) {
  if (vision == Vision::Normal) return colour;
  return ColourOfLinear(SimulatedLinear(vision, LinearOf(colour)));
}

DisplayTable SimulatedTable(Vision vision, const DisplayTable& table) {
  if (vision == Vision::Normal) return table;
  DisplayTable simulated;
  for (std::size_t i = 0; i < table.size(); ++i) {
    simulated[i] = ToDisplayPixel(Simulated(vision, FromDisplayPixel(table[i])));
  }
  return simulated;
}

}  // namespace tintara
