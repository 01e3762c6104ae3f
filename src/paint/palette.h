#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/colour.h"

namespace tintara {

// One colour of a palette file, with its name where the format has one (UTF-8, may be empty).
struct PaletteEntry {
  Colour colour = 0;
  std::string name;
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A palette from outside or to write: its name (from the file, else the file's stem), its colours
// in order, and how many swatches it held that are not colours of a screen (CMYK and Lab swatches
// of Adobe Swatch Exchange files are counted here, not guessed at without their colour profile).
struct Palette {
  std::string name;
  std::vector<PaletteEntry> entries;
  std::size_t skippedSwatches = 0;
};

}  // namespace tintara
