#include "paint/gallery_entries.h"

#include <algorithm>
#include <set>

#include "paint/bodies.h"

namespace tintara {
namespace {

// A menu caption as a heading: without its accelerator mark and the dots that promise a choice.
std::string Heading(std::string_view caption) {
  std::string heading;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    heading += caption[i];
  }
  if (heading.ends_with("...")) heading.resize(heading.size() - 3);
  return heading;
}

std::string_view SubmenuCaption(std::string_view submenu) {
  const auto menu = std::find_if(kCatalogueMenus.begin(), kCatalogueMenus.end(),
                                 [&](const CatalogueMenu& m) { return m.name == submenu; });
  return menu == kCatalogueMenus.end() ? submenu : menu->caption;
}

}  // namespace

std::vector<GalleryEntry> GalleryEntries() {
  std::vector<GalleryEntry> entries;
  std::set<std::string_view> files;
  for (int body = 1; body <= kBodyCount; ++body) {
    if (body == kHeadBody || body == kGridBody) continue;
    const Body& shown = kBodies[static_cast<std::size_t>(body - 1)];
    if (files.insert(shown.file).second) {
      entries.push_back({"Bodies", shown.caption, shown.file, body});
    }
  }
  for (const CatalogueEntry& entry : kCatalogue) {
    if (!files.insert(entry.file).second) continue;
    entries.push_back(
        {Heading(SubmenuCaption(entry.submenu)), entry.radioCaption, entry.file, 0, entry.target});
  }
  return entries;
}

}  // namespace tintara
