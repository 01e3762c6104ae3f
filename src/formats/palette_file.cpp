#include "formats/palette_file.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/export_files.h"
#include "paint/painted_skin.h"
#include "paint/palette_text.h"
#include "platform/filled_text.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr std::size_t kColourTableColours = 256;

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Photoshop's table: always 256 colours, black after the last; fewer are counted after them.
std::string ColourTableBytes(const std::vector<Colour>& colours) {
  std::string bytes(kColourTableColours * 3, '\0');
  for (std::size_t i = 0; i < colours.size(); ++i) {
    bytes[3 * i] = static_cast<char>(RedOf(colours[i]));
    bytes[3 * i + 1] = static_cast<char>(GreenOf(colours[i]));
    bytes[3 * i + 2] = static_cast<char>(BlueOf(colours[i]));
  }
  if (colours.size() < kColourTableColours) {
    bytes += {static_cast<char>(colours.size() >> 8), static_cast<char>(colours.size() & 0xFF),
              '\xFF', '\xFF'};
  }
  return bytes;
}

}  // namespace

std::optional<Problem> WritePaletteFile(const std::string& path, const Palette& palette) {
  const std::string type = AsciiLowerCase(ExtensionOf(path));
  const auto refused = [&path](const std::string& why) {
    return Problem{Filled(Tr("Cannot save %s: %s"), {ShownText(FileNameOf(path)), why}), path};
  };
  std::vector<Colour> colours;
  colours.reserve(palette.entries.size());
  for (const PaletteEntry& entry : palette.entries) colours.push_back(entry.colour);

  std::string text;
  if (type == "gpl") {
    text = GimpPaletteText(palette.name, palette.entries);
  } else if (type == "pal") {
    text = JascPaletteText(colours);
  } else if (type == "act") {
    if (colours.size() > kColourTableColours) {
      return refused(Tr("an Adobe Color Table holds at most 256 colours"));
    }
    text = ColourTableBytes(colours);
  } else if (type == "hex") {
    text = HexPaletteText(colours);
  } else if (type == "txt") {
    text = PaintNetPaletteText(palette.name, colours);
  } else {
    return refused(Tr("a palette is saved as .gpl, .pal, .act, .hex or .txt"));
  }
  return WriteExportFile(path, BytesOf(text));
}

std::optional<Problem> WritePalette(const std::string& path, const Bitmap& work,
                                    const SlotRecords& slots, const DisplayTable& paintedTable) {
  return WritePaletteFile(path,
                          Palette{std::string(StemOf(path)),
                                  SlotNamedEntries(PaintedColours(work, paintedTable), slots), 0});
}

}  // namespace tintara
