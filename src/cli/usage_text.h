#pragma once

namespace tintara {

// What `tintara --help` and `tintara paint --help` print.

inline constexpr char kProgramUsage[] = R"(Usage: tintara [options] [FILE.bmp]
Recolours character skin bitmaps.

  tintara paint --help    paints bitmaps from the command line, without a window

Options:
  -h, --help     Displays help on commandline options.
  -v, --version  Displays version information.

Arguments:
  file           A BMP file to open after the start-up picture.
)";

inline constexpr char kPaintUsage[] = R"(Usage: tintara [options] paint INPUT.bmp...
Paints skin bitmaps with code strings and writes the result.

Options:
  --codes <CODES>      Paint with this code string.
  --codes-file <FILE>  Paint with each line's code string, writing one output a
                       line; - reads the lines from standard input. Lines
                       starting with # are comments; a line's " # name" is
                       its label, as in the code book.
  --random             Paint with random codes for all four groups.
  --seed <N>           Seed the random codes, for repeatable results.
  --output <PATTERN>   Where to write: .png, .bmp or .jpg; {name} is the
                       input's name, {n} the line, {label} the line's name
                       (its number without one).
  --scale <N>          Scale a .png or .bmp output by 1, 2, 3, 4 or 8.
  --page               Write the HTML page beside a .jpg output.
  -j, --jobs <N>       Paint N pictures at once (all cores by default).
  -v, --verbose        Print each file written, with its size.
  -h, --help           Displays help on commandline options.

Arguments:
  paint                Paint bitmaps.
  inputs               The BMP files to paint.
)";

}  // namespace tintara
