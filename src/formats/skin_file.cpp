#include "formats/skin_file.h"

#include <algorithm>

#include "formats/export_files.h"
#include "formats/picture_kind.h"
#include "paint/painted_skin.h"
#include "paint/picture.h"
#include "paint/skin_note.h"
#include "platform/bmp_reader.h"
#include "platform/bmp_writer.h"
#include "platform/filled_text.h"
#include "platform/png_writer.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// A PNG pixel beyond the palette is an error to its readers; such pixels take the colour they
// were painted with, as the picture shows them.
void CoverEveryIndex(Bitmap& skin, const DisplayTable& paintedTable) {
  const std::size_t highest =
      skin.indices.empty() ? 0 : *std::max_element(skin.indices.begin(), skin.indices.end());
  while (skin.colourTable.size() <= highest) {
    const Colour colour = FromDisplayPixel(paintedTable[skin.colourTable.size()]);
    skin.colourTable.push_back({BlueOf(colour), GreenOf(colour), RedOf(colour), 0});
  }
}

std::optional<PngText> NoteOf(const Bitmap& work, const Bitmap& skin, const std::string& codes) {
  if (!skin.hasColourTable() || work.colourTable.empty()) return std::nullopt;
  const SkinNote note{work.colourTable, codes, PaletteChecksum(skin.colourTable)};
  return PngText{std::string(kSkinNoteKeyword), SkinNoteText(note)};
}

}  // namespace

Expected<FileContent> SkinFile(const std::string& path, const Bitmap& work, const Picture& picture,
                               const DisplayTable& paintedTable, int scale,
                               const std::string& paintedCodes) {
  const std::string fileName = ShownText(path);
  const std::optional<PictureKind> kind = PictureKindOf(path);
  if (kind != PictureKind::Png && kind != PictureKind::Bmp) {
    return Problem{Filled(Tr("Cannot save %s: a skin is saved as .png or .bmp"), {fileName}), path};
  }
  const int width = work.hasColourTable() ? work.width : picture.width;
  const int height = work.hasColourTable() ? work.height : picture.height;
  if (!ScaledSkinFits(width, height, scale)) {
    return Problem{
        Filled(Tr("Cannot save %s at %sx: the skin would be %s x %s pixels, and a skin "
                  "can have at most %s pixels"),
               {fileName, std::to_string(scale), std::to_string(std::int64_t{width} * scale),
                std::to_string(std::int64_t{height} * scale), std::to_string(kMaxBmpPixels)}),
        path};
  }

  Bitmap skin = PaintedSkin(work, picture, paintedTable, scale);
  if (kind == PictureKind::Bmp) return FileContent{path, EncodeBmp(skin)};
  if (skin.hasColourTable()) CoverEveryIndex(skin, paintedTable);
  std::optional<std::vector<std::uint8_t>> png = EncodePng(skin, NoteOf(work, skin, paintedCodes));
  if (!png) return CannotEncode(path);
  return FileContent{path, std::move(*png)};
}

std::optional<Problem> WriteSkin(const std::string& path, const Bitmap& work,
                                 const Picture& picture, const DisplayTable& paintedTable,
                                 int scale, const std::string& paintedCodes) {
  Expected<FileContent> file = SkinFile(path, work, picture, paintedTable, scale, paintedCodes);
  if (!file) return std::move(file).problem();
  return WriteExportFile(file->path, file->bytes);
}

}  // namespace tintara
