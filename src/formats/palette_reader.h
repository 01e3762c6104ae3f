#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "paint/palette.h"
#include "platform/problem.h"

namespace tintara {

// The most a palette file may hold: larger files and more colours are refused, so that reading
// one takes memory in proportion to a small file.
inline constexpr std::size_t kMaxPaletteBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxPaletteColours = 4096;

// Reads a palette from its bytes. GIMP (.gpl, RGB and RGBA), JASC-PAL and RIFF palettes and Adobe
// Swatch Exchange files are told by their content whatever their name; Adobe Color Tables (.act,
// 768 bytes, or 772 with a count and a transparent index), Lospec lists (.hex, one RRGGBB a line)
// and Paint.NET palettes (.txt, AARRGGBB lines, ";" comments) carry no signature and are told by
// the extension, given without its dot in any case. The stem names a palette whose file names none.
// A problem says why the bytes are no palette ("line 4 is not a colour"), in words that follow a
// file's name; at most kMaxPaletteColours colours are read.
Expected<Palette> ParsePalette(std::span<const std::uint8_t> bytes, std::string_view extension,
                               std::string_view stem);

// Reads the palette file (at most kMaxPaletteBytes); the problem names the file ("Cannot read
// x.gpl: line 4 is not a colour").
Expected<Palette> ReadPaletteFile(const std::string& path);

}  // namespace tintara
