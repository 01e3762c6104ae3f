// Any bytes as an artwork file of the gallery: read within a cell's budget and painted as the
// gallery paints it. The sanitizers catch bad memory use; what is read must stay within the budget.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "invariant.h"
#include "paint/gallery_paint.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/fuzz_gallery.XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr, "a folder for the artwork");
    return pattern + "/";
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const tintara::GalleryEntry entry = tintara::GalleryEntries().front();
  const std::string path = Folder() + std::string(entry.file);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Check(file != nullptr, "the artwork file can be written");
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  tintara::Expected<tintara::Document> loaded = tintara::ReadGalleryPicture(entry, Folder());
  if (!loaded) return 0;
  const tintara::Bitmap& work = *loaded->model.work;
  Check(std::uint64_t(work.width) * std::uint64_t(work.height) <= tintara::kGalleryPicturePixels,
        "a picture read for a cell is within the cell's budget");
  std::vector<tintara::GalleryPicture> pictures{{entry, std::move(loaded), {}}};
  (void)tintara::PaintGalleryPictures(pictures, "3 40 77 120 9 200 18 250 33 64 101 150 6 222 ");
  return 0;
}
