#include "formats/picture_kind.h"

#include <string>

#include "platform/path_names.h"

namespace tintara {

std::optional<PictureKind> PictureKindOf(std::string_view path) {
  const std::string extension = AsciiLowerCase(ExtensionOf(path));
  if (extension == "png") return PictureKind::Png;
  if (extension == "bmp") return PictureKind::Bmp;
  if (extension == "jpg" || extension == "jpeg") return PictureKind::Jpeg;
  if (extension == "gif") return PictureKind::Gif;
  return std::nullopt;
}

}  // namespace tintara
