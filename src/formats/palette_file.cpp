#include "formats/palette_file.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/export_files.h"
#include "paint/painted_skin.h"
#include "paint/palette_text.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::optional<Problem> WritePalette(const std::string& path, const Bitmap& work,
                                    const SlotRecords& slots, const DisplayTable& paintedTable) {
  const std::string type = AsciiLowerCase(ExtensionOf(path));
  if (type != "gpl" && type != "pal") {
    return Problem{
        "Cannot save " + ShownText(FileNameOf(path)) + ": a palette is saved as .gpl or .pal",
        path};
  }

  const std::vector<Colour> colours = PaintedColours(work, paintedTable);
  const std::string text =
      type == "gpl" ? GimpPaletteText(StemOf(path), colours, slots) : JascPaletteText(colours);
  return WriteExportFile(path, BytesOf(text));
}

}  // namespace tintara
