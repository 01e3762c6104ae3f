#pragma once

#include <ostream>

#include "cli/paint_request.h"

namespace tintara {

// Paints every input with every code string, or with the request's rolls of random codes, into
// one animated GIF an input (see GifAnimation), a frame a painting. The code strings are read no
// further than the smallest input's frames fit within kMaxBmpPixels; an input whose frames read so
// far are more is refused, naming how many. Problems are told to `errors`, each naming its file;
// with `verbose`, each file written to `output` with its size. True when every output was written.
bool PaintAnimations(const PaintRequest& request, std::ostream& output, std::ostream& errors);

}  // namespace tintara
