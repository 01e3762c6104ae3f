// Writes the inputs the command-line timings paint: the sprite picture at 1024 x 1024 and at
// 4096 x 4096, a skin-sized one, a file of 1,000 code strings, and the sixteen codes of one
// painting with the "-fill NEW -opaque OLD" arguments that make ImageMagick's convert paint the
// same colours.

#include <cstdio>
#include <fstream>
#include <string>

#include "../bench_pictures.h"
#include "paint/random_codes.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

namespace {

// A colour as convert takes it, "#RRGGBB".
std::string Hex(tintara::Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", tintara::RedOf(colour),
                tintara::GreenOf(colour), tintara::BlueOf(colour));
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_inputs FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const struct {
    const char* name;
    tintara::PictureSize size;
  } pictures[] = {{"skin.bmp", tintara::kSkinSize},
                  {"p1024.bmp", tintara::kSquare1024},
                  {"p4096.bmp", tintara::kSquare4096}};
  for (const auto& picture : pictures) {
    if (!tintara::WriteFileAtomically(folder + picture.name,
                                      tintara::EncodeBmp(tintara::SpritePicture(picture.size)))) {
      return 1;
    }
  }
  std::ofstream one(folder + "codes-16.txt");
  std::ofstream opaque(folder + "opaque-args.txt");
  constexpr int kCodes[tintara::kSlotCount] = {17,  33,  49,  65,  81,  97,  113, 129,
                                               145, 161, 177, 193, 209, 225, 12,  28};
  for (int slot = 0; slot < tintara::kSlotCount; ++slot) {
    const int code = kCodes[slot];
    one << code << ' ';
    opaque << "-fill " << Hex(tintara::ReferenceColour(code)) << " -opaque "
           << Hex(tintara::kSlots[static_cast<std::size_t>(slot)].set1Marker) << ' ';
  }
  if (!one || !opaque) return 1;
  std::ofstream codes(folder + "codes.txt");
  tintara::RandomGenerator random(1);
  for (int line = 0; line < 1000; ++line) {
    for (int slot = 0; slot < 16; ++slot) codes << tintara::DrawCode(random) << ' ';
    codes << '\n';
  }
  return codes ? 0 : 1;
}
