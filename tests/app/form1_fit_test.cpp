#include <QCheckBox>
#include <QRadioButton>

#include "app/window_fixture.h"
#include "board/picture_view.h"

namespace tintara {
namespace {

class WindowFit : public WindowTest {
 protected:
  // Starts the program with a start-up body of the given size.
  MainWindow& StartWithBody(int width, int height) {
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(width, height, TableWithSet1Markers({1})));
    return StartWindow();
  }
  QSize ViewSize() const { return control<PictureView>("Image1")->size(); }
  void ToggleEnlarge() const { control<QCheckBox>("CheckBox1")->click(); }
};

TEST_F(WindowFit, NeverGoesBelowTheBaseSize) {
  const struct {
    int width, height;
    QSize window;
  } cases[] = {
      {81, 329, {485, 397}}, {82, 329, {486, 397}},  {81, 330, {485, 398}},
      {1, 1, {485, 397}},    {200, 500, {604, 568}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    MainWindow& form = StartWithBody(c.width, c.height);
    EXPECT_EQ(form.baseSize(), QSize(485, 397));
    EXPECT_EQ(ViewSize(), QSize(c.width, c.height));
    EXPECT_EQ(form.size(), c.window);
  }
}

TEST_F(WindowFit, EnlargeShowsFourTimesTheSizeAndUntickingReturns) {
  MainWindow& form = StartWithBody(55, 144);
  auto* enlarge = control<QCheckBox>("CheckBox1");
  EXPECT_EQ(enlarge->text(), "Enlarge ");
  ToggleEnlarge();
  EXPECT_EQ(ViewSize(), QSize(220, 576));
  EXPECT_EQ(form.size(), QSize(624, 644));
  EXPECT_TRUE(control<PictureView>("Image1")->isEnlarged());
  EXPECT_EQ(enlarge->text(), "Reduce ");
  ToggleEnlarge();
  EXPECT_EQ(ViewSize(), QSize(55, 144));
  EXPECT_EQ(form.size(), QSize(485, 397));
  EXPECT_FALSE(control<PictureView>("Image1")->isEnlarged());
  EXPECT_EQ(enlarge->text(), "Enlarge ");
}

TEST_F(WindowFit, EnlargedViewDrawsBlocksOfFourPixelsWithoutSmoothing) {
  Bitmap checker = IndexedBitmap(2, 2, {{0, 0, 0, 0}, {255, 255, 255, 0}});
  checker.indices = {0, 1, 1, 0};
  WriteBitmap("FEMALE1.BMP", checker);
  MainWindow& form = StartWindow();
  ToggleEnlarge();
  const QImage shown = control<PictureView>("Image1")->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(8, 8));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool white = ((x / 4) + (y / 4)) % 2 == 1;
      EXPECT_EQ(shown.pixelColor(x, y), white ? QColor(Qt::white) : QColor(Qt::black))
          << x << "," << y;
    }
  }
}

TEST_F(WindowFit, AStoredSizeStandsUntilTheNextFit) {
  MainWindow& form = StartWithBody(55, 144);
  form.resize(300, 200);
  EXPECT_EQ(form.size(), QSize(300, 200));
  ToggleEnlarge();
  EXPECT_EQ(form.size(), QSize(624, 644));
}

}  // namespace
}  // namespace tintara
