#pragma once

#include "platform/bitmap.h"

namespace tintara::artgen {

// The sixteen code slots as labelled cells, one row per group. Its colour table is the reference
// palette itself, so every slot is found at its marker set 2 position.
Bitmap DrawDesignGrid();

}  // namespace tintara::artgen
