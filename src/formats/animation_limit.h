#pragma once

#include <cstddef>
#include <optional>

#include "paint/document.h"
#include "platform/problem.h"

namespace tintara {

// An animation of the document's picture holds no more pixels in all its frames than one picture
// may hold (kMaxBmpPixels), as the command line's animations: the refusal of a larger one, told
// before any frame is painted, with what would make it fit. Nothing for one that fits, and for a
// document with no picture with a colour table, which cannot be animated at all.
std::optional<Problem> AnimationRefusal(const Document& document, std::size_t frames, int scale,
                                        bool captions);

}  // namespace tintara
