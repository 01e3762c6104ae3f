#pragma once

#include <vector>

#include "picture.h"

namespace tintara::artgen {

// The head pictures of the catalogue, by menu.
std::vector<Picture> PeopleHeads();
std::vector<Picture> AnimeHeads();
std::vector<Picture> AnimalHeads();
std::vector<Picture> OtherHeads();

}  // namespace tintara::artgen
