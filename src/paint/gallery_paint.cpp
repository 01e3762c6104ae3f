#include "paint/gallery_paint.h"

#include "paint/bitmap_paths.h"
#include "paint/code_string.h"
#include "paint/painting.h"

namespace tintara {
namespace {

std::string PathOf(const GalleryEntry& entry, const std::string& programDirectory) {
  if (entry.body == 0 && entry.target == CatalogueTarget::Grid) {
    return GridPath(programDirectory, entry.file);
  }
  return programDirectory + std::string(entry.file);
}

}  // namespace

Expected<Document> ReadGalleryPicture(const GalleryEntry& entry,
                                      const std::string& programDirectory) {
  Expected<BitmapToPaint> file = ReadBitmapToPaint(
      PathOf(entry, programDirectory), {.limits = {.maxPixels = kGalleryPicturePixels}});
  if (!file) return std::move(file).problem();
  return LoadedDocument(std::move(file->bitmap), file->storedCodes);
}

std::vector<GalleryPicture> ReadGalleryPictures(const std::string& programDirectory) {
  std::vector<GalleryPicture> pictures;
  for (GalleryEntry& entry : GalleryEntries()) {
    Expected<Document> loaded = ReadGalleryPicture(entry, programDirectory);
    pictures.push_back({std::move(entry), std::move(loaded), {}});
  }
  return pictures;
}

std::string GalleryCodes(const Document& document) { return WriteCodeString(document.model.slots); }

std::optional<Problem> PaintGalleryPictures(std::vector<GalleryPicture>& pictures,
                                            const std::string& codes, Vision vision) {
  const CodeStringReading reading = ReadCodeString(codes);
  for (GalleryPicture& picture : pictures) {
    if (!picture.loaded) continue;
    const Document& loaded = *picture.loaded;
    Document& painted = picture.painting;
    // Painted before, it differs from the loaded document, in what paints, by its slots alone:
    // the codes write every located slot's position of the mapped table again.
    if (painted.model.work == loaded.model.work) {
      painted.model.slots = loaded.model.slots;
    } else {
      painted = loaded;
    }
    // Every picture takes the same code string, so the first one stops before any changed.
    if (std::optional<Problem> stop = ApplyCodeReading(painted, codes, reading).problem) {
      return stop;
    }
    DrawPaintedPicture(painted, picture.painted, vision);
  }
  return std::nullopt;
}

GallerySheet TrueColourGallery(const std::vector<GalleryPicture>& pictures) {
  GallerySheet sheet;
  for (const GalleryPicture& picture : pictures) {
    if (!picture.loaded) continue;
    Picture painted;
    if (!DrawPaintedPicture(picture.painting, painted)) continue;
    sheet.pictures.push_back(std::move(painted));
    sheet.captions.emplace_back(picture.entry.caption);
  }
  return sheet;
}

}  // namespace tintara
