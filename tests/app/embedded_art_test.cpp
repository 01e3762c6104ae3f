#include "app/embedded_art.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(EmbeddedArt, PicturesHaveTheirDesignSizes) {
  const Picture design = DesignPicture();
  EXPECT_EQ(QSize(design.width, design.height), QSize(55, 144));
  EXPECT_EQ(Emblem().size(), QSize(62, 78));
}

TEST(EmbeddedArt, GlyphBackgroundIsTransparentAndTheArrowIsNot) {
  for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
    SCOPED_TRACE(mode);
    const QImage glyph = RestoreGlyph().pixmap(16, 16, mode).toImage();
    ASSERT_EQ(glyph.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 15)), 0);
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) opaque += qAlpha(glyph.pixel(x, y)) == 255 ? 1 : 0;
    }
    EXPECT_GT(opaque, 40);
    EXPECT_LT(opaque, 200);
  }
}

}  // namespace
}  // namespace tintara
