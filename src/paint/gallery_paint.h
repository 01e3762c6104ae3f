#pragma once

#include <optional>
#include <string>
#include <vector>

#include "paint/colour_vision.h"
#include "paint/document.h"
#include "paint/gallery_entries.h"
#include "paint/picture.h"
#include "platform/problem.h"

namespace tintara {

// The largest picture a gallery cell takes, as many pixels as 1024 x 1024: the gallery holds
// seventy pictures and paints every one again at each step, and a larger one is refused from its
// file's header.
inline constexpr std::uint64_t kGalleryPicturePixels = std::uint64_t{1} << 20;

// A gallery picture: its entry, its document as loaded, read once, and its picture as last
// painted, as the viewer sees it.
struct GalleryPicture {
  GalleryEntry entry;
  Expected<Document> loaded;  // or why its file cannot be read ("Cannot open X.BMP: ...")
  Picture painted;            // stays empty when the file cannot be read
  // The loaded document as painted last, kept so that painting again copies none.
  Document painting{};
};

// One gallery entry's bitmap, loaded as the main window loads it, up to kGalleryPicturePixels; or
// why not ("Cannot open X.BMP: ...").
Expected<Document> ReadGalleryPicture(const GalleryEntry& entry,
                                      const std::string& programDirectory);

// Reads every gallery entry's bitmap from the program directory (which ends with a separator) as
// the main window reads it, up to kGalleryPicturePixels; a file that cannot be read, or holds a
// larger picture, keeps its place with the reason.
std::vector<GalleryPicture> ReadGalleryPictures(const std::string& programDirectory);

// The codes the gallery paints with: every slot's code as the document has it, which is what its
// slot labels show after any step, written as the program writes a code string.
std::string GalleryCodes(const Document& document);

// Paints every picture read with the code string as "Apply Color Codes" paints it after the
// picture's load: one table and one draw each, into the pixels it has. A token that is not a
// number stops it before any picture changes, and the problem says which. The pictures show as
// the viewer sees them.
std::optional<Problem> PaintGalleryPictures(std::vector<GalleryPicture>& pictures,
                                            const std::string& codes,
                                            Vision vision = Vision::Normal);

// The pictures whose files could be read, as last painted, in their true colours whatever the view
// shows, with their captions: what a sheet of the gallery holds.
struct GallerySheet {
  std::vector<Picture> pictures;
  std::vector<std::string> captions;
};
GallerySheet TrueColourGallery(const std::vector<GalleryPicture>& pictures);

}  // namespace tintara
