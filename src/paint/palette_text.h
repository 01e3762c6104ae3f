#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "paint/paint_model.h"
#include "paint/palette.h"

namespace tintara {

// A GIMP palette (".gpl"): the header with the palette's name and 16 columns, then one line per
// colour, "R G B<TAB>name" with the numbers right-aligned in three places as GIMP writes them.
// A colour at a located slot's colour-table position is named after the slot and its code
// ("Slot 3: 224"), every other one after its position ("Index 17"). Lines end in LF; the name is
// kept to one line.
std::string GimpPaletteText(std::string_view name, const std::vector<Colour>& colours,
                            const SlotRecords& slots);
// The colours named so, as entries.
std::vector<PaletteEntry> SlotNamedEntries(const std::vector<Colour>& colours,
                                           const SlotRecords& slots);
// The same for entries named as given; an entry without a name is "Untitled", as GIMP names it.
std::string GimpPaletteText(std::string_view name, std::span<const PaletteEntry> entries);

// A JASC palette (".pal") as Paint Shop Pro writes it: "JASC-PAL", "0100", the number of colours,
// then "R G B" per colour, every line ending in CR LF.
std::string JascPaletteText(const std::vector<Colour>& colours);

// The colour as six hexadecimal digits, red first ("12AB34"), in the digits given.
std::string HexDigitsOf(Colour colour, std::string_view digits = "0123456789ABCDEF");
// "#12AB34".
std::string HexColourText(Colour colour);

// A Lospec palette (".hex"): one "rrggbb" a line, in lower case as Lospec writes them.
std::string HexPaletteText(std::span<const Colour> colours);

// A Paint.NET palette (".txt"): its comment header with the name, then "FFRRGGBB" a line, opaque.
std::string PaintNetPaletteText(std::string_view name, std::span<const Colour> colours);

}  // namespace tintara
