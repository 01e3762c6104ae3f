#pragma once

#include <optional>
#include <string>

#include "paint/document.h"
#include "paint/harmony.h"
#include "platform/problem.h"

namespace tintara {

// Shading a group from one slot, as pixel artists shade by hand: the slot's colour is the key, and
// the group's other slots take a ramp of its hue in OKLCH, lighter and darker in the order of
// their markers' lightness (SlotsByMarkerLightness), the hue turning slightly towards warm in the
// lights and towards cool in the shadows, the chroma easing off at both ends.

// Whether the slot's group can be shaded from it: the slot shows, and another of its group too.
bool CanShadeGroupFrom(const Document& document, int slot);

// The step's name: "Shade Bottom from Slot 3".
std::string ShadeStepName(int slot);

// Shades the group of the slot (1..16) from it, then recolours: every other shown slot of the group
// that is not locked takes the code nearest in OKLab to its place on the ramp, among the codes
// of the board (the skin group among kSkinTones unless the settings allow any colour), one no
// other slot of the group holds where the palette allows. A slot that cannot shade its group
// (see CanShadeGroupFrom) gives the problem, the document left as it was.
std::optional<Problem> ShadeGroup(Document& document, int slot, const RandomCodeSettings& settings);

}  // namespace tintara
