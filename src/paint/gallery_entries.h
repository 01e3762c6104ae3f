#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "paint/catalogue.h"

namespace tintara {

// One picture of the gallery: the heading it stands under, its caption, its file, and how the main
// window loads it, by a body radio button or as a catalogue entry.
struct GalleryEntry {
  std::string heading;
  std::string_view caption;
  std::string_view file;
  int body = 0;  // the body radio button (1..8) that loads it, or 0 for a catalogue entry
  CatalogueTarget target = CatalogueTarget::Head;  // for a catalogue entry
};

// Every picture the bodies and the catalogue load, each file once where it first stands: the
// bodies of their own buttons under "Bodies", then the catalogue in menu order under its menus'
// captions. The head and grid buttons load what the catalogue chose, so their pictures stand
// there.
std::vector<GalleryEntry> GalleryEntries();

}  // namespace tintara
