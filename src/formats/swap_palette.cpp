#include "formats/swap_palette.h"

#include <vector>

#include "formats/export_files.h"
#include "paint/painting.h"
#include "paint/palette_text.h"
#include "platform/filled_text.h"
#include "platform/png_writer.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// The text as a JSON string, quoted.
std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      quoted += "\\u00";
      quoted += "0123456789abcdef"[c >> 4];
      quoted += "0123456789abcdef"[c & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string JsonColours(const std::vector<Colour>& colours) {
  std::string list = "[";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    list += (i > 0 ? ", " : "") + JsonString(HexColourText(colours[i]));
  }
  return list + "]";
}

std::string EntryName(const CodeBookEntry& entry) { return entry.name.value_or(entry.codes); }

std::string SwapPaletteJson(const std::vector<int>& slots, const std::vector<Colour>& loaded,
                            std::span<const CodeBookEntry> entries,
                            const std::vector<std::vector<Colour>>& rows) {
  std::string json = "{\n  \"columns\": [\n";
  for (std::size_t c = 0; c < slots.size(); ++c) {
    const int group = kSlots[static_cast<std::size_t>(slots[c] - 1)].group;
    json += "    {\"slot\": " + std::to_string(slots[c]) +
            ", \"group\": " + JsonString(kGroupNames[static_cast<std::size_t>(group - 1)]) +
            ", \"loaded\": " + JsonString(HexColourText(loaded[c])) + "}" +
            (c + 1 < slots.size() ? ",\n" : "\n");
  }
  json += "  ],\n  \"entries\": [\n";
  for (std::size_t e = 0; e < entries.size(); ++e) {
    json += "    {\"name\": " + JsonString(EntryName(entries[e])) +
            ", \"codes\": " + JsonString(entries[e].codes) +
            ", \"colours\": " + JsonColours(rows[e]) + "}" +
            (e + 1 < entries.size() ? ",\n" : "\n");
  }
  return json + "  ]\n}\n";
}

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

std::string SwapPaletteJsonPath(const std::string& pngPath) {
  const std::size_t slash = pngPath.rfind('/');
  const std::size_t dot = pngPath.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? pngPath.substr(0, dot) : pngPath) + ".json";
}

std::optional<Problem> WriteSwapPalette(const std::string& pngPath, const Document& loaded,
                                        std::span<const CodeBookEntry> entries) {
  const auto refused = [&pngPath](const std::string& why) {
    return Problem{Filled(Tr("Cannot export the swap palette: %s"), {why}), pngPath};
  };
  std::vector<int> slots;
  std::vector<Colour> loadedColours;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (!SlotShown(loaded, s)) continue;
    slots.push_back(s);
    loadedColours.push_back(loaded.model.loaded[static_cast<std::size_t>(Slot(loaded, s).index)]);
  }
  if (slots.empty()) return refused(Tr("the picture has no code slot"));

  std::vector<std::vector<Colour>> rows;
  for (const CodeBookEntry& entry : entries) {
    const Expected<Document> painted = PaintedWithCodes(loaded, entry.codes);
    if (!painted) {
      return refused(
          Filled(Tr("entry '%s': %s"), {ShownText(EntryName(entry)), painted.problem().message}));
    }
    const DisplayTable table = *PaintedTable(*painted);
    std::vector<Colour>& row = rows.emplace_back();
    for (const int s : slots) {
      row.push_back(FromDisplayPixel(table[static_cast<std::size_t>(Slot(*painted, s).index)]));
    }
  }

  Bitmap png;
  png.width = static_cast<int>(slots.size());
  png.height = static_cast<int>(entries.size()) + 1;
  png.bitsPerPixel = 24;
  for (const Colour colour : loadedColours) png.pixels.push_back(ToDisplayPixel(colour));
  for (const std::vector<Colour>& row : rows) {
    for (const Colour colour : row) png.pixels.push_back(ToDisplayPixel(colour));
  }
  const std::optional<std::vector<std::uint8_t>> encoded = EncodePng(png);
  if (!encoded) return CannotEncode(pngPath);
  const std::string jsonPath = SwapPaletteJsonPath(pngPath);
  return WriteFiles({{pngPath, *encoded},
                     {jsonPath, BytesOf(SwapPaletteJson(slots, loadedColours, entries, rows))}});
}

}  // namespace tintara
