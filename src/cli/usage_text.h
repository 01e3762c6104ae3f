#pragma once

#include "platform/translation.h"

namespace tintara {

// What `tintara --help` and each command's --help print, translated where they are printed.

inline constexpr char kProgramUsage[] = N_(R"(Usage: tintara [options] [[--] FILE]
Recolours character skin bitmaps.

  tintara paint --help    paints bitmaps from the command line, without a window
  tintara sheet --help    paints bitmaps with code strings into one sheet
  tintara check --help    finds slots that look alike to colour-blind viewers
  tintara palette --help  maps a palette file to codes, or converts it

Options:
  -h, --help     Displays help on commandline options.
  -v, --version  Displays version information.
  Qt's own options (-style, -platform, -geometry, ...) go to the window;
  -geometry places it for this run only.

Arguments:
  file           A BMP or PNG file to open after the start-up picture; after
                 --, a name that starts with -.
)");

inline constexpr char kPaintUsage[] = N_(R"(Usage: tintara [options] paint INPUT...
Paints skin bitmaps with code strings and writes the result.

Options:
  --codes <CODES>      Paint with this code string.
  --codes-file <FILE>  Paint with each line's code string, writing one output a
                       line; - reads the lines from standard input. Lines
                       starting with # are comments; a line's " # name" is
                       its label, as in the code book.
  --palette <FILE>     Paint with the code string of a palette file, as
                       'tintara palette' prints it.
  --random             Paint with random codes for all four groups.
  --seed <N>           Seed the random codes, for repeatable results.
  --harmony <MODE>     Roll the random codes as "Gee!" does in this mode: free
                       (each slot on its own, the default), analogous,
                       complementary, triad or tones.
  --lock <SLOTS>       Leave these slots as the input loads them, as in
                       1,2,6-10, through random codes and shading.
  --count <N>          Paint N rolls of random codes, 1 to 1000, each from the
                       next seed.
  --shade <SLOTS>      Shade each slot's group from it once the codes are
                       painted, one slot a group, as in 3,6,11.
  --any-skin-colour    Let the skin slots take any colour in a harmony or a
                       shading, not only skin tones.
  --output <PATTERN>   Where to write: .png, .bmp, .jpg or .gif; {name} is
                       the input's name, {n} the line, {label} the line's
                       name (its number without one). A .gif is animated, a
                       frame for each code string, and takes no {n} or
                       {label}.
  --delay <MS>         Show each frame of a .gif this long (500 by default).
  --scale <N>          Scale a .png, .bmp or .gif output by 1, 2, 3, 4 or 8.
  --page               Write the HTML page beside a .jpg output.
  --vision <VIEW>      Write the picture as a viewer with protan, deutan or
                       tritan colour blindness, or achroma (no colour), sees
                       it, for guides.
  -j, --jobs <N>       Paint N pictures at once (all cores by default).
  -v, --verbose        Print each file written, with its size.
  -h, --help           Displays help on commandline options.

Arguments:
  paint                Paint bitmaps.
  inputs               The BMP or PNG files to paint.
)");

inline constexpr char kSheetUsage[] = N_(R"(Usage: tintara [options] sheet [INPUT.bmp...]
Paints skin bitmaps with code strings into one PNG sheet: a row a code string,
a column an input, each cell as 'tintara paint' paints it.

Options:
  --codes <CODES>      Paint with this code string.
  --codes-file <FILE>  A row for each line's code string (as for paint; the
                       code book is such a file); - reads standard input.
  --palette <FILE>     A row for the code string of a palette file, as
                       'tintara palette' prints it.
  --random             Rows of random codes for all four groups.
  --seed <N>           Seed the first row's random codes; each next row takes
                       the next seed, as 'tintara paint --random --seed' does.
  --count <N>          Rows of random codes, 1 to 1000 (1 by default).
  --output <SHEET.png> The sheet to write.
  --columns <N>        Wrap the cells of all rows into N columns.
  --scale <N>          Enlarge every picture by 1, 2, 3, 4 or 8.
  --labels             Write each row's name, or its code string, under its
                       cells.
  -h, --help           Displays help on commandline options.

Arguments:
  sheet                Paint a sheet.
  inputs               The BMP files to paint; the catalogue's pictures when
                       none is given.
)");

inline constexpr char kCheckUsage[] = N_(R"(Usage: tintara [options] check [INPUT.bmp]
Lists every two slots of a group that normal vision tells apart and protanopia,
deuteranopia or tritanopia does not (their colours at least 0.08 apart in
OKLab, and less than 0.04 apart as those viewers see them). Exits with 1 when
there are any, 0 when there are none, 2 when it cannot check.

Options:
  --codes <CODES>      Check this code string.
  --fix                Print a code string in which no two slots look alike,
                       with as few and as small changes as a bounded search
                       finds (see the manual page); exit with 1 when a pair
                       cannot be fixed.
  -h, --help           Displays help on commandline options.

Arguments:
  check                Check a code string.
  input                The BMP or PNG file whose slots are checked, painted
                       with the codes; without one, the slots the code string
                       names, in their reference colours.
)");

inline constexpr char kPaletteUsage[] = N_(R"(Usage: tintara [options] palette FILE
Maps a palette's colours to the nearest codes in OKLab, among the codes of the
swatch board (1 to 238; of codes equally near, the lowest), and prints the code
string they make: colour 1 for slot 1, colour 2 for slot 2 and so on, slots
without a colour taking their default codes; a palette this program wrote,
with entries named "Slot N: code C", gives those codes to those slots. Then a
line a colour: #RRGGBB, its nearest code and their distance.

Reads GIMP palettes (.gpl, RGB or RGBA), JASC and RIFF palettes (.pal), Adobe
Swatch Exchange files (.ase; RGB and grey swatches, CMYK and Lab ones left out
and counted), Adobe Color Tables (.act), Lospec lists (.hex) and Paint.NET
palettes (.txt).

Options:
  --output <OUT>       Write the palette again as .gpl, .pal (JASC), .act,
                       .hex or .txt (Paint.NET), by the name's extension.
  -h, --help           Displays help on commandline options.

Arguments:
  palette              Read a palette.
  file                 The palette file to read.
)");

}  // namespace tintara
