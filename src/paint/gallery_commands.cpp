// The command of a picture chosen in the gallery.
#include "paint/commands.h"
#include "paint/gallery_entries.h"

namespace tintara::commands {

Command ChooseGalleryPicture(const Document& current, const GalleryEntry& entry, std::string codes,
                             LoadInputs inputs) {
  if (entry.body != 0) {
    return LoadThenApplyCodeText(SelectBody(current, entry.body, std::move(inputs)),
                                 std::move(codes));
  }
  const PickedBitmap which =
      entry.target == CatalogueTarget::Head ? PickedBitmap::Head : PickedBitmap::Grid;
  return LoadThenApplyCodeText(
      PickBitmap(which, std::string(entry.file), std::string(entry.caption), std::move(inputs)),
      std::move(codes));
}

}  // namespace tintara::commands
