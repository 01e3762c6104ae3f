#include "board/focus_ring.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <memory>

#include "board/picture_scroller.h"
#include "board/picture_view.h"
#include "paint/picture.h"

namespace tintara {
namespace {

// The keyboard's mark shows, and every pixel the picture shows is still the picture's own.
TEST(FocusRing, MarksTheFocusedPictureWithoutCoveringAPixelOfIt) {
  Picture picture;
  ASSERT_TRUE(picture.Resize(6, 5));
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x0A0B0C);
  }
  QWidget window;
  window.resize(60, 60);
  auto* view = new PictureView(nullptr);
  view->setFocusPolicy(Qt::TabFocus);
  view->showPicture(std::make_shared<const Picture>(picture));
  auto* scroller = new PictureScroller(view, &window);
  scroller->setGeometry(10, 10, 30, 30);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (int zoom : {1, 3}) {
    SCOPED_TRACE(zoom);
    view->setZoom(zoom);
    view->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<FocusRing*>()->isVisible(); }));
    const QImage shown = window.grab().toImage();
    for (int y = 0; y < picture.height * zoom; ++y) {
      for (int x = 0; x < picture.width * zoom; ++x) {
        const std::size_t k = static_cast<std::size_t>((y / zoom) * picture.width + x / zoom);
        ASSERT_EQ(shown.pixel(10 + x, 10 + y), picture.pixels[k]) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tintara
