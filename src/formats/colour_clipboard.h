#pragma once

#include <string>
#include <string_view>

#include "formats/palette_codes.h"
#include "paint/paint_model.h"
#include "platform/problem.h"

namespace tintara {

// The colours "Copy Colours" puts on the clipboard: the painted colour of each shown slot, in slot
// order, as "#RRGGBB" lines for any program, and as a GIMP palette whose entries are named
// "Slot N: code C", which pasting back gives those slots those codes exactly.
std::string SlotColoursHexText(const SlotRecords& slots);
std::string SlotColoursPaletteText(const SlotRecords& slots);

// What pasted text gives the slots, as "Apply to Slots" gives a palette (PaletteCodesForSlots):
// a GIMP or JASC palette's text, or a list of colours a line ("#RRGGBB" or "RRGGBB"). The problem
// says why the text holds no colours ("line 2 is not a colour").
Expected<PaletteCodes> PastedColourCodes(std::string_view text, const SlotRecords& slots);

}  // namespace tintara
