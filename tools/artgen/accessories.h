#pragma once

#include <vector>

#include "artwork.h"

namespace tintara::artgen {

// The accessory pictures of the catalogue besides the design grid.
std::vector<ArtworkDesign> Accessories();

}  // namespace tintara::artgen
