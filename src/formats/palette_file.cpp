#include "formats/palette_file.h"

#include <QFileInfo>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/export_files.h"
#include "paint/painted_skin.h"
#include "paint/palette_text.h"

namespace tintara {
namespace {

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::optional<Problem> WritePalette(const QString& path, const Bitmap& work,
                                    const SlotRecords& slots, const DisplayTable& paintedTable) {
  const QFileInfo file(path);
  const QString type = file.suffix().toLower();
  if (type != "gpl" && type != "pal") {
    return Problem{
        ("Cannot save " + file.fileName() + ": a palette is saved as .gpl or .pal").toStdString(),
        NativePath(path)};
  }

  const std::vector<Colour> colours = PaintedColours(work, paintedTable);
  const std::string text =
      type == "gpl" ? GimpPaletteText(file.completeBaseName().toStdString(), colours, slots)
                    : JascPaletteText(colours);
  return WriteExportFile(path, BytesOf(text));
}

}  // namespace tintara
