#pragma once

#include <QImage>

#include "paint/picture.h"

namespace tintara {

// The picture's pixels as an image that shares them, without a copy: valid while the picture
// lives and keeps its size.
inline QImage ImageOver(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, picture.width * 4, QImage::Format_RGB32);
}

}  // namespace tintara
