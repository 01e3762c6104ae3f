#pragma once

#include <vector>

#include "picture.h"

namespace tintara::artgen {

// The accessory pictures of the catalogue besides the design grid.
std::vector<Picture> Accessories();

}  // namespace tintara::artgen
