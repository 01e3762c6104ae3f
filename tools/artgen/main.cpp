// Draws the bitmaps the program ships: the six bodies and the design grid beside the program,
// and the pictures compiled into it.

#include <cstdio>
#include <filesystem>
#include <string>

#include "bodies.h"
#include "design_grid.h"
#include "emblem.h"
#include "glyphs.h"
#include "palette.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"

namespace {

using tintara::Bitmap;

bool Write(const std::string& directory, const std::string& name, const Bitmap& bitmap) {
  const std::string path = directory + "/" + name;
  if (tintara::WriteFileAtomically(path, tintara::EncodeBmp(bitmap))) return true;
  std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tintara::artgen;
  if (argc != 3) {
    std::fprintf(stderr, "usage: artgen <program-dir> <resource-dir>\n");
    return 2;
  }
  const std::string programDir = argv[1];
  const std::string resourceDir = argv[2];

  std::error_code error;
  for (const std::string& directory : {programDir, resourceDir}) {
    std::filesystem::create_directories(directory, error);
  }

  bool ok = true;
  for (const Body& body : Bodies()) {
    if (const auto mistake = FindMarkerMistake(BodyColourTable(body.looks))) {
      std::fprintf(stderr, "artgen: %s: %s\n", body.fileName.c_str(), mistake->c_str());
      return 1;
    }
    ok = Write(programDir, body.fileName, DrawBody(body)) && ok;
  }
  ok = Write(programDir, "DESIGNGRID.BMP", DrawDesignGrid()) && ok;
  ok = Write(resourceDir, "design.bmp", DrawMannequin()) && ok;
  ok = Write(resourceDir, "glyph.bmp", DrawRestoreGlyph()) && ok;
  ok = Write(resourceDir, "glyph_disabled.bmp", DrawRestoreGlyphDisabled()) && ok;
  ok = Write(resourceDir, "emblem.bmp", DrawEmblem()) && ok;
  return ok ? 0 : 1;
}
