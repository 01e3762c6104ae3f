#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"

namespace tintara {

// A painted skin saved as PNG has the painted colours in its palette, not the markers the slots
// are found by. Its note keeps what painting it again needs: the colour table as loaded, the
// codes it was painted with, and the checksum of the palette it was saved with, which tells
// whether the palette was changed since.
inline constexpr std::string_view kSkinNoteKeyword = "Tintara skin";

struct SkinNote {
  std::vector<ColourTableEntry> loadedTable;  // 1 to 256 entries
  std::string codes;                          // a code string without bad tokens, or empty
  std::uint32_t paletteChecksum = 0;

  friend bool operator==(const SkinNote&, const SkinNote&) = default;
};

// The CRC-32 of the palette as PNG stores it: red, green and blue of each entry, in order.
std::uint32_t PaletteChecksum(std::span<const ColourTableEntry> palette);

// The note as plain text, four lines: the version ("tintara-skin 1"), "table" and each entry as
// eight hex digits (red, green, blue, fourth byte), "codes" and the code string, "palette-crc32"
// and the checksum.
std::string SkinNoteText(const SkinNote& note);
// The note in a text, or nothing when the text is not one in every detail.
std::optional<SkinNote> ReadSkinNote(std::string_view text);

// A picture opened with its note: when the note reads and its checksum is that of the picture's
// colour table, the table becomes the one the skin was loaded with and the codes it was painted
// with come back (nothing when it was saved unpainted). Otherwise the picture stays as read and
// nothing comes back.
std::optional<std::string> RestoreNotedSkin(Bitmap& bitmap, std::string_view noteText);

}  // namespace tintara
