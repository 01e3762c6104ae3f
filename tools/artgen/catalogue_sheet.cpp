#include "catalogue_sheet.h"

#include <algorithm>

#include "formats/picture_sheet.h"
#include "paint/code_string.h"
#include "paint/painting.h"

namespace tintara::artgen {
namespace {

constexpr int kColumns = 12;
constexpr int kScale = 2;

Picture PaintedWithLoadCodes(const Bitmap& bitmap) {
  const Document loaded = LoadedDocument(bitmap);
  const Expected<Document> painted = PaintedWithCodes(loaded, WriteCodeString(loaded.model.slots));
  Picture picture;
  if (painted) DrawPaintedPicture(*painted, picture);
  return picture;
}

}  // namespace

std::optional<Problem> WriteCatalogueSheet(const std::string& path,
                                           const std::vector<Artwork>& artworks,
                                           const std::vector<std::string>& rowStarts) {
  // A blank cell, picture and label, fills a row up before a new one starts.
  const Picture blank;
  std::vector<Picture> painted;
  painted.reserve(artworks.size());
  std::vector<const Picture*> cells;
  std::vector<std::string> labels;
  for (const Artwork& artwork : artworks) {
    if (std::ranges::find(rowStarts, artwork.fileName) != rowStarts.end()) {
      while (cells.size() % kColumns != 0) {
        cells.push_back(&blank);
        labels.emplace_back();
      }
    }
    painted.push_back(PaintedWithLoadCodes(artwork.bitmap));
    cells.push_back(&painted.back());
    labels.push_back(artwork.fileName);
  }
  return WritePictureSheet(path, cells, labels, kColumns, kScale);
}

}  // namespace tintara::artgen
