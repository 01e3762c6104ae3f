#include "paint/catalogue_pictures.h"

#include <algorithm>

#include "paint/bodies.h"
#include "paint/catalogue.h"

namespace tintara {
namespace {

void AddOnce(std::vector<std::string_view>& files, std::string_view file) {
  if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(file);
}

}  // namespace

std::vector<std::string_view> CataloguePictures() {
  std::vector<std::string_view> files;
  for (int body = 1; body <= kBodyCount; ++body) {
    // The head and grid buttons load a catalogue entry, listed with the others of its kind.
    if (body == kHeadBody || body == kGridBody) continue;
    AddOnce(files, kBodies[static_cast<std::size_t>(body - 1)].file);
  }
  for (const CatalogueTarget target : {CatalogueTarget::Head, CatalogueTarget::Grid}) {
    for (const CatalogueEntry& entry : kCatalogue) {
      if (entry.target == target) AddOnce(files, entry.file);
    }
  }
  return files;
}

}  // namespace tintara
