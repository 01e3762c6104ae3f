#include "paint/skin_note.h"

#include <cstdio>
#include <limits>

#include "paint/code_string.h"
#include "platform/crc32.h"
#include "platform/number_reader.h"

namespace tintara {
namespace {

constexpr std::string_view kVersionLine = "tintara-skin 1";
constexpr std::string_view kTable = "table";
constexpr std::string_view kCodes = "codes ";
constexpr std::string_view kChecksum = "palette-crc32 ";
constexpr std::size_t kMaxEntries = 256;

std::string Hex(std::uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", value);
  return digits;
}

// Exactly eight hex digits.
std::optional<std::uint32_t> ReadHex(std::string_view digits) {
  const LeadingDigits read =
      ReadLeadingDigits(digits, 16, std::numeric_limits<std::uint32_t>::max());
  if (digits.size() != 8 || read.count != 8) return std::nullopt;
  return static_cast<std::uint32_t>(read.value);
}

// The line that starts at `at`, without its newline; `at` moves past it. Nothing when there is no
// newline.
std::optional<std::string_view> NextLine(std::string_view text, std::size_t& at) {
  const std::size_t end = text.find('\n', at);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(at, end - at);
  at = end + 1;
  return line;
}

std::optional<std::vector<ColourTableEntry>> ReadTable(std::string_view line) {
  if (!line.starts_with(kTable)) return std::nullopt;
  line.remove_prefix(kTable.size());
  std::vector<ColourTableEntry> table;
  while (!line.empty()) {
    if (line.front() != ' ' || table.size() == kMaxEntries) return std::nullopt;
    const std::optional<std::uint32_t> value = ReadHex(line.substr(1, 8));
    if (!value) return std::nullopt;
    table.push_back({static_cast<std::uint8_t>(*value >> 8),
                     static_cast<std::uint8_t>(*value >> 16),
                     static_cast<std::uint8_t>(*value >> 24), static_cast<std::uint8_t>(*value)});
    line.remove_prefix(9);
  }
  if (table.empty()) return std::nullopt;
  return table;
}

}  // namespace

std::uint32_t PaletteChecksum(std::span<const ColourTableEntry> palette) {
  std::vector<std::uint8_t> bytes;
  for (const ColourTableEntry& entry : palette) {
    bytes.insert(bytes.end(), {entry.red, entry.green, entry.blue});
  }
  return Crc32(bytes);
}

std::string SkinNoteText(const SkinNote& note) {
  std::string text(kVersionLine);
  text += '\n';
  text += kTable;
  for (const ColourTableEntry& entry : note.loadedTable) {
    text += ' ';
    text += Hex(std::uint32_t{entry.red} << 24 | std::uint32_t{entry.green} << 16 |
                std::uint32_t{entry.blue} << 8 | entry.reserved);
  }
  text += '\n';
  text += kCodes;
  text += note.codes;
  text += '\n';
  text += kChecksum;
  text += Hex(note.paletteChecksum);
  text += '\n';
  return text;
}

std::optional<SkinNote> ReadSkinNote(std::string_view text) {
  std::size_t at = 0;
  const std::optional<std::string_view> version = NextLine(text, at);
  const std::optional<std::string_view> table = NextLine(text, at);
  const std::optional<std::string_view> codes = NextLine(text, at);
  const std::optional<std::string_view> checksum = NextLine(text, at);
  if (!checksum || at != text.size() || *version != kVersionLine || !codes->starts_with(kCodes) ||
      !checksum->starts_with(kChecksum)) {
    return std::nullopt;
  }
  SkinNote note;
  std::optional<std::vector<ColourTableEntry>> entries = ReadTable(*table);
  const std::optional<std::uint32_t> crc = ReadHex(checksum->substr(kChecksum.size()));
  note.codes = codes->substr(kCodes.size());
  if (!entries || !crc || ReadCodeString(note.codes).badToken) return std::nullopt;
  note.loadedTable = std::move(*entries);
  note.paletteChecksum = *crc;
  return note;
}

std::optional<std::string> RestoreNotedSkin(Bitmap& bitmap, std::string_view noteText) {
  std::optional<SkinNote> note = ReadSkinNote(noteText);
  if (!note || !bitmap.hasColourTable() ||
      note->loadedTable.size() > (std::size_t{1} << bitmap.bitsPerPixel) ||
      note->paletteChecksum != PaletteChecksum(bitmap.colourTable)) {
    return std::nullopt;
  }
  bitmap.colourTable = std::move(note->loadedTable);
  if (note->codes.empty()) return std::nullopt;
  return std::move(note->codes);
}

}  // namespace tintara
