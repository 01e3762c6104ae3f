#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "formats/palette_reader.h"
#include "platform/problem.h"

namespace tintara {

// The readers of each palette format, for ParsePalette (palette_reader.h), which chooses one. Each
// fills the palette's entries (and its name where the file has one) or says why it cannot.
using PaletteBytes = std::span<const std::uint8_t>;

// Text formats, lines ending in LF or CR LF.
std::optional<Problem> ReadGimpPalette(std::string_view text, Palette& palette);
std::optional<Problem> ReadJascPalette(std::string_view text, Palette& palette);
// One RRGGBB a line, with or without a leading "#"; blank lines are skipped.
std::optional<Problem> ReadHexList(std::string_view text, Palette& palette);
std::optional<Problem> ReadPaintNetPalette(std::string_view text, Palette& palette);

// Binary formats.
std::optional<Problem> ReadRiffPalette(PaletteBytes bytes, Palette& palette);
std::optional<Problem> ReadSwatchExchange(PaletteBytes bytes, Palette& palette);
std::optional<Problem> ReadColourTable(PaletteBytes bytes, Palette& palette);

// "more than 4096 colours" once the palette is full.
std::optional<Problem> RoomForColour(const Palette& palette);

}  // namespace tintara
