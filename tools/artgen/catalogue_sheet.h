#pragma once

#include <optional>
#include <string>
#include <vector>

#include "artwork.h"
#include "platform/problem.h"

namespace tintara::artgen {

// Writes the catalogue as the program writes a contact sheet (formats/picture_sheet.h), every
// picture at twice its size under its file name, painted as the program shows it after its load
// and "Apply Color Codes" with the codes the load gives its slots. A row holds up to twelve
// pictures; a new one starts before each picture whose name is in rowStarts.
std::optional<Problem> WriteCatalogueSheet(const std::string& path,
                                           const std::vector<Artwork>& artworks,
                                           const std::vector<std::string>& rowStarts);

}  // namespace tintara::artgen
