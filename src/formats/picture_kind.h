#pragma once

#include <optional>
#include <string_view>

namespace tintara {

// The kinds of picture file the program writes.
enum class PictureKind { Png, Bmp, Jpeg, Gif };

// The kind a file name's extension names, whatever its case: .png, .bmp, .jpg or .jpeg, and .gif.
// Nothing for any other extension, or for none.
std::optional<PictureKind> PictureKindOf(std::string_view path);

}  // namespace tintara
