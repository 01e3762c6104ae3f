#pragma once

#include <optional>
#include <span>
#include <string>

#include "paint/picture.h"
#include "platform/problem.h"

namespace tintara {

// Pictures as the window shows them, each under its label, as one contact sheet in a PNG file:
// `columns` to a row, every pixel enlarged `scale` times. Refusals and failures come back before
// the file is replaced: a sheet larger than a picture may be, naming its size, and a file that
// cannot be written.
[[nodiscard]] std::optional<Problem> WritePictureSheet(const std::string& path,
                                                       std::span<const Picture* const> pictures,
                                                       std::span<const std::string> labels,
                                                       int columns, int scale);

}  // namespace tintara
