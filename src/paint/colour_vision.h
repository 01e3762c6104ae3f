#pragma once

#include <array>
#include <string_view>

#include "paint/recolour.h"
#include "platform/colour.h"

namespace tintara {

// How a viewer sees colours: normal vision, one of the three dichromacies, or no colour at all.
enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

inline constexpr std::array<Vision, 3> kDeficiencies = {Vision::Protanopia, Vision::Deuteranopia,
                                                        Vision::Tritanopia};

// "protanopia", "normal vision": the view in words, for messages.
std::string_view VisionName(Vision vision);

// The colour as the viewer sees it, in 8-bit sRGB. Greys stay as they are in every view.
Colour Simulated(Vision vision, Colour colour);

// The table with every display pixel simulated, so that a picture drawn through it shows as the
// viewer sees it: 256 simulations, whatever the picture's size.
DisplayTable SimulatedTable(Vision vision, const DisplayTable& table);

}  // namespace tintara
