#include "formats/picture_sheet.h"

#include <vector>

#include "formats/contact_sheet.h"
#include "formats/export_files.h"
#include "platform/png_writer.h"

namespace tintara {

std::optional<Problem> WritePictureSheet(const std::string& path,
                                         std::span<const Picture* const> pictures,
                                         std::span<const std::string> labels, int columns,
                                         int scale) {
  std::vector<SheetCell> cells;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    cells.push_back({pictures[i]->width, pictures[i]->height, labels[i]});
  }
  Expected<Bitmap> sheet = DrawContactSheet(
      cells, columns, scale, [&](std::size_t cell) { return TrueColourBitmap(*pictures[cell]); });
  if (!sheet) return std::move(sheet).problem();
  const std::optional<std::vector<std::uint8_t>> png = EncodePng(*sheet);
  if (!png) return CannotEncode(path);
  return WriteExportFile(path, *png);
}

}  // namespace tintara
