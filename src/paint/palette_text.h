#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "paint/paint_model.h"

namespace tintara {

// A GIMP palette (".gpl"): the header with the palette's name and 16 columns, then one line per
// colour, "R G B<TAB>name" with the numbers right-aligned in three places as GIMP writes them.
// A colour at a located slot's colour-table position is named after the slot and its code
// ("Slot 3: 224"), every other one after its position ("Index 17"). Lines end in LF; the name is
// kept to one line.
std::string GimpPaletteText(std::string_view name, const std::vector<Colour>& colours,
                            const SlotRecords& slots);

// A JASC palette (".pal") as Paint Shop Pro writes it: "JASC-PAL", "0100", the number of colours,
// then "R G B" per colour, every line ending in CR LF.
std::string JascPaletteText(const std::vector<Colour>& colours);

}  // namespace tintara
