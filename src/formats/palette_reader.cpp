#include "formats/palette_reader.h"

#include <string>

#include "formats/palette_readers.h"
#include "platform/file_io.h"
#include "platform/filled_text.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

bool StartsWith(PaletteBytes bytes, std::string_view signature) {
  return bytes.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.begin());
}

std::string_view TextOf(PaletteBytes bytes) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
  return text;
}

}  // namespace

Expected<Palette> ParsePalette(PaletteBytes bytes, std::string_view extension,
                               std::string_view stem) {
  Palette palette{std::string(stem), {}, 0};
  const std::string_view text = TextOf(bytes);
  const std::string type = AsciiLowerCase(extension);
  std::optional<Problem> problem;
  if (text.starts_with("GIMP Palette")) {
    problem = ReadGimpPalette(text, palette);
  } else if (text.starts_with("JASC-PAL")) {
    problem = ReadJascPalette(text, palette);
  } else if (StartsWith(bytes, "RIFF") && bytes.size() >= 12 &&
             StartsWith(bytes.subspan(8), "PAL ")) {
    problem = ReadRiffPalette(bytes, palette);
  } else if (StartsWith(bytes, "ASEF")) {
    problem = ReadSwatchExchange(bytes, palette);
  } else if (type == "act") {
    problem = ReadColourTable(bytes, palette);
  } else if (type == "hex") {
    problem = ReadHexList(text, palette);
  } else if (type == "txt") {
    problem = ReadPaintNetPalette(text, palette);
  } else {
    return Problem{
        Tr("not a palette: GIMP, JASC and RIFF palettes and Adobe Swatch Exchange files are read "
           "whatever their name, Adobe Color Tables as .act, Lospec lists as .hex and Paint.NET "
           "palettes as .txt")};
  }
  if (problem) return *problem;
  if (palette.entries.empty()) return Problem{Tr("it holds no colour")};
  return palette;
}

Expected<Palette> ReadPaletteFile(const std::string& path) {
  const auto cannotRead = [&path](const std::string& why) {
    return Problem{Filled(Tr("Cannot read %s: %s"), {ShownText(FileNameOf(path)), why}), path};
  };
  const Expected<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kMaxPaletteBytes);
  if (!bytes) return cannotRead(bytes.problem().message);
  Expected<Palette> palette = ParsePalette(*bytes, ExtensionOf(path), StemOf(path));
  if (!palette) return cannotRead(palette.problem().message);
  return palette;
}

}  // namespace tintara
