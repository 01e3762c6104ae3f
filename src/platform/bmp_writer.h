#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace tintara {

// An uncompressed bottom-up BMP file with a BITMAPINFOHEADER. Pictures with a colour table
// (bitsPerPixel <= 8) are written as 8 bits per pixel with their table, fourth bytes included;
// deeper pictures as 24 bits per pixel from their display pixels.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);

}  // namespace tintara
