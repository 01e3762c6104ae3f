#pragma once

#include <ostream>

#include "cli/paint_request.h"

namespace tintara {

// Paints every input with every code string, or with random codes, `jobs` paintings at a time,
// and writes the outputs a batch at a time (see FileBatch). Problems are told to `errors` in the
// order of the inputs and code strings, each naming its file, and a folder that cannot be made or
// written into once; with `verbose`, each file written to `output` with its size. True when every
// output was written.
bool PaintAll(const PaintRequest& request, std::ostream& output, std::ostream& errors);

}  // namespace tintara
