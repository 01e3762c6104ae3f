#include "board/picture_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <memory>

#include "paint/picture.h"

namespace tintara {
namespace {

TEST(PictureView, ShowsEveryPixelAsABlockOfItsColourAtEveryZoom) {
  // Six colours, every pixel unlike its neighbours, so that any smoothing shows at block edges.
  const Picture picture{
      3, 2, {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF808080}};
  PictureView view(nullptr);
  view.showPicture(std::make_shared<const Picture>(picture));  // the view holds the only copy
  for (int scale : {4, 1, 3, 16}) {
    SCOPED_TRACE(scale);
    view.setZoom(scale);
    EXPECT_EQ(view.size(), QSize(3 * scale, 2 * scale));
    const QImage shown = view.grab().toImage();
    ASSERT_EQ(shown.size(), view.size());
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        const std::size_t k = static_cast<std::size_t>((y / scale) * picture.width + x / scale);
        EXPECT_EQ(shown.pixel(x, y), picture.pixels[k]) << x << "," << y;
      }
    }
  }
}

TEST(PictureView, BlinkingAlternatesWithTheMarkedPictureAndStoppingRestoresIt) {
  auto picture = std::make_shared<const Picture>(Picture{2, 1, {0xFF000000, 0xFF0000FF}});
  auto marked = std::make_shared<const Picture>(Picture{2, 1, {0xFFFFFFFF, 0xFF0000FF}});
  PictureView view(nullptr);
  view.showPicture(picture);
  view.blink(marked);
  EXPECT_EQ(view.frame().pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_TRUE(QTest::qWaitFor([&] { return view.frame().pixel(0, 0) == 0xFF000000u; }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return view.frame().pixel(0, 0) == 0xFFFFFFFFu; }));
  view.stopBlinking();
  EXPECT_EQ(view.frame(), view.picture());
  EXPECT_EQ(view.frame().pixel(0, 0), 0xFF000000u);
}

// However large the zoom, what is drawn is the picture's own pixels: no scaled copy is kept.
TEST(PictureView, ZoomingKeepsNoScaledCopy) {
  auto picture = std::make_shared<const Picture>(Picture{2, 1, {0xFF000000, 0xFF0000FF}});
  PictureView view(nullptr);
  view.showPicture(picture);
  view.setZoom(PictureView::kLargestZoom);
  EXPECT_EQ(view.frame().constBits(), reinterpret_cast<const uchar*>(picture->pixels.data()));
}

TEST(PictureView, BlinkingStopsByItselfWithThePictureRestored) {
  auto picture = std::make_shared<const Picture>(Picture{1, 1, {0xFF000000}});
  PictureView view(nullptr, 600);
  view.showPicture(picture);
  view.blink(std::make_shared<const Picture>(Picture{1, 1, {0xFFFFFFFF}}));
  // Both moments fall where a blink still going would show the marked picture.
  QTest::qWait(700);
  EXPECT_EQ(view.frame(), view.picture());
  QTest::qWait(400);
  EXPECT_EQ(view.frame(), view.picture());
}

}  // namespace
}  // namespace tintara
