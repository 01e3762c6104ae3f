#pragma once

#include <optional>
#include <string>

#include "paint/paint_model.h"
#include "paint/recolour.h"
#include "platform/problem.h"

namespace tintara {

// The work bitmap's colour table as painted, as a GIMP palette that names the slots' colours or
// a JASC palette, by the name's extension (.gpl or .pal, whatever its case). The bitmap has a
// colour table. Nothing comes back once it is written. A name with another extension ("Cannot save
// colours.txt: a palette is saved as .gpl or .pal") and a file that cannot be created ("Cannot
// create file <path>: <reason>") come back before anything is written; a read-only file is never
// replaced.
[[nodiscard]] std::optional<Problem> WritePalette(const std::string& path, const Bitmap& work,
                                                  const SlotRecords& slots,
                                                  const DisplayTable& paintedTable);

}  // namespace tintara
