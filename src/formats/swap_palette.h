#pragma once

#include <optional>
#include <span>
#include <string>

#include "formats/code_book.h"
#include "paint/document.h"
#include "platform/problem.h"

namespace tintara {

// The JSON file written beside a swap palette: the PNG's name with ".json" for its extension.
std::string SwapPaletteJsonPath(const std::string& pngPath);

// A swap palette, as palette-swap shaders read one: a PNG with a column for each slot the loaded
// picture has (slot order, hidden slots left out), row 0 the loaded colour at each slot's
// colour-table position and a row for each entry, what that position shows once the picture is
// painted with the entry's codes. Beside it, at SwapPaletteJsonPath, the same as JSON: the columns
// (slot number, group, loaded colour) and the entries (name, codes, colours), colours as
// "#RRGGBB". The document is as loaded, with slots located. Both files are written as a set, or
// neither: an entry whose codes stop at a token is refused by its name ("Cannot export the swap
// palette: entry 'Red': 'x' is not a valid integer value"), as is a picture without slots.
[[nodiscard]] std::optional<Problem> WriteSwapPalette(const std::string& pngPath,
                                                      const Document& loaded,
                                                      std::span<const CodeBookEntry> entries);

}  // namespace tintara
