#pragma once

#include <cstdint>
#include <vector>

#include "picture.h"

namespace tintara::artgen {

struct Sheet {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, rows top to bottom
};

// Every picture at twice its size with its file name underneath, painted with the default codes
// as the program shows it after applying the default code string. A new row starts wherever the
// next picture would not fit, and before each picture whose name is in rowStarts.
Sheet DrawContactSheet(const std::vector<Artwork>& artworks,
                       const std::vector<std::string>& rowStarts);

}  // namespace tintara::artgen
