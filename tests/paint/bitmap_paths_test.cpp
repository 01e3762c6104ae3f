#include "paint/bitmap_paths.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(OtherBitmapCaption, NameBeforeTheFirstDotWithOnlyItsFirstLetterUpper) {
  const struct {
    const char* path;
    const char* caption;
  } cases[] = {
      {"/home/ann/my.skin.BMP", "My"},
      {"/home/ann/HAT.bmp", "Hat"},
      {"/home/ann/GRID", "Grid"},
      {"/home/ann/.bmp", ""},
      {"C:\\Art\\Dragon.Head.bmp", "Dragon"},
      {"/art.v2/sub.dir/dRAGON.bmp", "Dragon"},  // dots in the directory do not count
      {"plain.bmp", "Plain"},
      {"/art/1st-SKIN.bmp", "1st-skin"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(OtherBitmapCaption(c.path), c.caption);
  }
}

TEST(OtherBitmapCaption, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(OtherBitmapCaption("/art/\u00e9LAN.bmp"), "\u00e9lan");
  EXPECT_EQ(OtherBitmapCaption("/art/Z\u00dcRICH.bmp"), "Z\u00dcrich");
}

TEST(GridPath, BareNamesComeFromTheProgramDirectoryFullPathsStand) {
  const std::string dir = "/opt/tintara/";
  const struct {
    const char* gridFile;
    const char* path;
  } cases[] = {
      {"DESIGNGRID.BMP", "/opt/tintara/DESIGNGRID.BMP"},
      {"EARS.BMP", "/opt/tintara/EARS.BMP"},
      {"/home/ann/x.bmp", "/home/ann/x.bmp"},
      {"C:\\x.bmp", "C:\\x.bmp"},
      {"D:odd.bmp", "D:odd.bmp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gridFile);
    EXPECT_EQ(GridPath(dir, c.gridFile), c.path);
  }
}

}  // namespace
}  // namespace tintara
