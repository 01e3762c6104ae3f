#pragma once

#include <string_view>

#include "platform/colour.h"

namespace tintara {

// The everyday name of a colour ("red", "dark grey", "light blue", "olive"), for screen readers:
// a dozen hues in a dark, a plain and a light shade, and the greys, told apart by hue, saturation
// and lightness. Coarse on purpose: it says roughly what the user would call the colour.
std::string_view ColourName(Colour colour);

}  // namespace tintara
