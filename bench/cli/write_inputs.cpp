// Writes the inputs the command-line timings paint: the sprite picture at 1024 x 1024 and at
// 4096 x 4096, a skin-sized one, and a file of 1,000 code strings.

#include <cstdio>
#include <fstream>
#include <string>

#include "../bench_pictures.h"
#include "paint/random_codes.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

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
  std::ofstream codes(folder + "codes.txt");
  tintara::RandomGenerator random(1);
  for (int line = 0; line < 1000; ++line) {
    for (int slot = 0; slot < 16; ++slot) codes << tintara::DrawCode(random) << ' ';
    codes << '\n';
  }
  return codes ? 0 : 1;
}
