#pragma once

#include <vector>

#include "artwork.h"

namespace tintara::artgen {

// The head pictures of the catalogue, by menu.
std::vector<ArtworkDesign> PeopleHeads();
std::vector<ArtworkDesign> AnimeHeads();
std::vector<ArtworkDesign> AnimalHeads();
std::vector<ArtworkDesign> OtherHeads();

}  // namespace tintara::artgen
