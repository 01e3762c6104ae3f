#pragma once

#include <optional>
#include <string>

#include "paint/paint_model.h"
#include "paint/palette.h"
#include "paint/recolour.h"
#include "platform/problem.h"

namespace tintara {

// Writes the palette by the name's extension, whatever its case: a GIMP palette (.gpl) with each
// entry's name, a JASC palette (.pal), an Adobe Color Table (.act: 768 bytes of 256 colours, or 772
// with the count and no transparent entry when there are fewer), a Lospec list (.hex) or a
// Paint.NET palette (.txt). Nothing comes back once it is written. A name with another extension
// ("Cannot save colours.png: a palette is saved as .gpl, .pal, .act, .hex or .txt"), more colours
// than the format holds and a file that cannot be created ("Cannot create file <path>: <reason>")
// come back before anything is written; a read-only file is never replaced.
[[nodiscard]] std::optional<Problem> WritePaletteFile(const std::string& path,
                                                      const Palette& palette);

// The work bitmap's colour table as painted, named after the file, as WritePaletteFile writes it;
// a GIMP palette names the slots' colours (see GimpPaletteText). The bitmap has a colour table.
[[nodiscard]] std::optional<Problem> WritePalette(const std::string& path, const Bitmap& work,
                                                  const SlotRecords& slots,
                                                  const DisplayTable& paintedTable);

}  // namespace tintara
