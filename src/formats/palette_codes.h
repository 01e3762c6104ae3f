#pragma once

#include <string>
#include <vector>

#include "paint/nearest_code.h"
#include "paint/paint_model.h"
#include "paint/palette.h"

namespace tintara {

// What a palette gives the slots, as "Apply to Slots" and pasting colours apply it.
struct PaletteCodes {
  // The code string of all 16 slots: the slots the palette gives codes, the others as they are.
  std::string codes;
  // The colours given by their nearest codes, in the palette's order (none when by names): colour
  // i went to the i-th shown slot.
  std::vector<CodeMatch> matches;
  bool byNames = false;
  // Whether the code string gives any slot another code than it holds.
  bool changesCodes = false;
};

// The slots and codes an entry's name gives, as this program names a palette's colours:
// "Slot 3: code 224", or "Slot 3: 224" as its exported GIMP palettes have them, several joined by
// ", " where slots share a colour. Nothing for any other name.
struct NamedSlotCode {
  int slot = 0;
  std::int32_t code = 0;
};
std::vector<NamedSlotCode> SlotCodesNamed(std::string_view name);

// A palette this program wrote (some entry named after slots and codes) gives those codes to those
// slots exactly; any other gives its i-th colour's nearest code (NearestCode) to the i-th shown
// slot (one the last load located), in slot order, colours beyond the shown slots left over.
PaletteCodes PaletteCodesForSlots(const Palette& palette, const SlotRecords& slots);

// The same with every slot shown, as the command line paints any picture: colour i goes to slot i,
// and the slots the palette gives nothing keep their default codes (set1Code of kSlots).
PaletteCodes PaletteCodesForEverySlot(const Palette& palette);

}  // namespace tintara
