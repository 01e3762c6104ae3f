// Draws the bitmaps the program ships: the catalogue beside the program, the pictures compiled
// into it, the desktop icon at every size and, when asked, a contact sheet of the whole catalogue.

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "accessories.h"
#include "bodies.h"
#include "catalogue_sheet.h"
#include "design_grid.h"
#include "emblem.h"
#include "glyphs.h"
#include "heads.h"
#include "icon.h"
#include "paint/artwork_files.h"
#include "paint/bodies.h"
#include "paint/catalogue.h"
#include "paint/image_loading.h"
#include "palette.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"
#include "platform/png_writer.h"

namespace {

using namespace tintara::artgen;
using tintara::Bitmap;
namespace artwork_files = tintara::artwork_files;

bool Write(const std::string& path, const std::optional<std::vector<std::uint8_t>>& bytes) {
  if (bytes && !bytes->empty() && tintara::WriteFileAtomically(path, *bytes)) return true;
  std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
  return false;
}

bool WriteBitmap(const std::string& directory, const std::string& name, const Bitmap& bitmap) {
  return Write(directory + "/" + name, tintara::EncodeBmp(bitmap));
}

bool WriteIcon(const std::string& path, int size) {
  Bitmap icon;
  icon.width = icon.height = size;
  icon.bitsPerPixel = 32;
  icon.pixels = DrawIcon(size);
  return Write(path, tintara::EncodePngWithAlpha(icon));
}

std::vector<Artwork> Catalogue() {
  std::vector<Artwork> artworks;
  for (const BodyDesign& body : Bodies()) artworks.push_back({body.fileName, DrawBody(body)});
  artworks.push_back({artwork_files::kDesignGrid, DrawDesignGrid(), MarkerSet::Two});
  for (const auto& pictures :
       {PeopleHeads(), AnimeHeads(), AnimalHeads(), OtherHeads(), Accessories()}) {
    for (const ArtworkDesign& picture : pictures) artworks.push_back(DrawArtwork(picture));
  }
  return artworks;
}

// What keeps the drawn files from being exactly those the body buttons and the catalogue load,
// each drawn once, if anything.
std::optional<std::string> FindListMistake(const std::vector<Artwork>& artworks) {
  std::set<std::string> loaded;
  for (const tintara::Body& body : tintara::kBodies) loaded.emplace(body.file);
  for (const tintara::CatalogueEntry& entry : tintara::kCatalogue) loaded.emplace(entry.file);
  std::set<std::string> drawn;
  for (const Artwork& artwork : artworks) {
    if (!drawn.insert(artwork.fileName).second) return artwork.fileName + " is drawn twice";
    if (!loaded.contains(artwork.fileName)) return artwork.fileName + " is loaded by nothing";
  }
  for (const std::string& file : loaded) {
    if (!drawn.contains(file)) return file + " is not drawn";
  }
  return std::nullopt;
}

// What keeps the program from painting the picture as meant, if anything.
std::optional<std::string> FindPaintingMistake(const Artwork& artwork) {
  tintara::PaintModel model;
  tintara::AdoptLoadedBitmap(model, artwork.bitmap);
  if (model.markerSet2 != (artwork.markers == MarkerSet::Two)) {
    return std::string("the program would choose the other marker set");
  }
  if (artwork.markers == MarkerSet::One) {
    ArtworkPalette table;
    for (std::size_t i = 0; i < artwork.bitmap.colourTable.size(); ++i) {
      table.Set(static_cast<int>(i), artwork.bitmap.colourTable[i].colour());
    }
    if (auto mistake = FindMarkerMistake(table)) return mistake;
  }
  for (const tintara::SlotRecord& slot : model.slots) {
    if (slot.located()) return std::nullopt;
  }
  return std::string("no code slot is found");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: artgen <program-dir> <resource-dir> <icon-dir> [contact-sheet.png]\n");
    return 2;
  }
  const std::string programDir = argv[1];
  const std::string resourceDir = argv[2];
  const std::string iconDir = argv[3];

  std::error_code error;
  for (const std::string& directory : {programDir, resourceDir, iconDir}) {
    std::filesystem::create_directories(directory, error);
  }

  const std::vector<Artwork> catalogue = Catalogue();
  if (const auto mistake = FindListMistake(catalogue)) {
    std::fprintf(stderr, "artgen: %s\n", mistake->c_str());
    return 1;
  }
  bool ok = true;
  for (const Artwork& artwork : catalogue) {
    if (const auto mistake = FindPaintingMistake(artwork)) {
      std::fprintf(stderr, "artgen: %s: %s\n", artwork.fileName.c_str(), mistake->c_str());
      return 1;
    }
    ok = WriteBitmap(programDir, artwork.fileName, artwork.bitmap) && ok;
  }
  ok = WriteBitmap(resourceDir, "design.bmp", DrawMannequin()) && ok;
  ok = WriteBitmap(resourceDir, "glyph.bmp", DrawRestoreGlyph()) && ok;
  ok = WriteBitmap(resourceDir, "glyph_disabled.bmp", DrawRestoreGlyphDisabled()) && ok;
  ok = WriteBitmap(resourceDir, "emblem.bmp", DrawEmblem()) && ok;
  for (const int size : kIconSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size) + ".png";
    ok = WriteIcon(iconDir + "/" + name, size) && ok;
  }
  ok = WriteIcon(resourceDir + "/icon.png", kWindowIconSize) && ok;
  if (argc == 5) {
    const std::optional<tintara::Problem> problem =
        WriteCatalogueSheet(argv[4], catalogue,
                            {artwork_files::kPellHead, artwork_files::kHarrow, artwork_files::kBoy1,
                             artwork_files::kGirl1, artwork_files::kBunny, artwork_files::kRoseHead,
                             artwork_files::kTurf});
    if (problem) std::fprintf(stderr, "artgen: %s\n", problem->message.c_str());
    ok = !problem && ok;
  }
  return ok ? 0 : 1;
}
