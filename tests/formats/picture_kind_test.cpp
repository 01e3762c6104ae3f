#include "formats/picture_kind.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(PictureKind, IsReadFromTheLastExtensionWhateverItsCase) {
  EXPECT_EQ(PictureKindOf("out/skin.PNG"), PictureKind::Png);
  EXPECT_EQ(PictureKindOf("photo.Jpeg"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("old.png.bmp"), PictureKind::Bmp);
  EXPECT_EQ(PictureKindOf("dir.png/skin"), std::nullopt);
  EXPECT_EQ(PictureKindOf("skin.tga"), std::nullopt);
}

}  // namespace
}  // namespace tintara
