#pragma once

#include <cstdint>
#include <optional>

#include "paint/document.h"
#include "platform/colour.h"

namespace tintara {

// A pixel of the picture and the slot that paints it.
struct PickedPixel {
  int slot = 0;       // 0: no slot paints the pixel
  int entry = 0;      // its colour-table position
  Colour colour = 0;  // the entry's colour as the file holds it
};

// The slot whose colour the pixel at (x, y) shows: the slot whose replacement the pixel's
// colour-table entry ends with after the replacements chain as recolouring chains them
// (MapColourTable, in ascending colour-table order), so the slot a drop would have to change. A
// slot whose colour is still the loaded one replaces its colour by itself, and takes such entries
// too. Nothing for a picture without a colour table, or a point outside it.
std::optional<PickedPixel> PickSlot(const Document& document, int x, int y);

}  // namespace tintara
