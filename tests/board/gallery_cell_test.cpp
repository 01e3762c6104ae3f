#include "board/gallery_cell.h"

#include <gtest/gtest.h>

#include <QImage>

#include "paint/picture.h"

namespace tintara {
namespace {

TEST(GalleryCell, ShowsEveryPixelAsABlockOfItsColourAtEachZoom) {
  // Colours unlike each other and unlike the caption's, so that the picture is found by its first
  // pixel and any smoothing shows at block edges.
  const Picture picture{
      3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFFFF00FF, 0xFF00FFFF}};
  GalleryCell cell("Caption", nullptr);
  cell.showPicture(&picture);
  for (int zoom : {1, 2, 3}) {
    SCOPED_TRACE(zoom);
    cell.setZoom(zoom);
    cell.resize(cell.sizeHint());
    const QImage shown = cell.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPoint origin(-1, -1);
    for (int y = 0; y < shown.height() && origin.x() < 0; ++y) {
      for (int x = 0; x < shown.width() && origin.x() < 0; ++x) {
        if (shown.pixel(x, y) == picture.pixels[0]) origin = QPoint(x, y);
      }
    }
    ASSERT_GE(origin.x(), 0);
    for (int y = 0; y < picture.height * zoom; ++y) {
      for (int x = 0; x < picture.width * zoom; ++x) {
        const std::size_t k = static_cast<std::size_t>((y / zoom) * picture.width + x / zoom);
        EXPECT_EQ(shown.pixel(origin + QPoint(x, y)), picture.pixels[k]) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tintara
