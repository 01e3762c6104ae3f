// The picture at any size and zoom, and a window that stays on its screen.
#include <QCheckBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "board/qcolor_conversion.h"
#include "paint/reference_palette.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

class WindowView : public WindowTest {
 protected:
  MainWindow& StartWithBody(int width, int height) {
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(width, height, TableWithSet1Markers({1})));
    return StartWindow();
  }
  PictureView* view() const { return control<PictureView>("Image1"); }
  QCheckBox* enlarge() const { return control<QCheckBox>("CheckBox1"); }
  QSize available() const { return window_->screen()->availableGeometry().size(); }
};

TEST_F(WindowView, ZoomStepsKeepEnlargeTickedExactlyAtFourAndALoadKeepsTheZoom) {
  StartWithBody(55, 144);
  action("ZoomIn1")->trigger();
  EXPECT_EQ(view()->size(), QSize(110, 288));
  EXPECT_FALSE(enlarge()->isChecked());
  action("ZoomIn1")->trigger();
  action("ZoomIn1")->trigger();
  EXPECT_TRUE(enlarge()->isChecked());
  EXPECT_EQ(enlarge()->text(), "Reduce ");
  action("ZoomOut1")->trigger();
  EXPECT_EQ(view()->zoom(), 3);
  EXPECT_FALSE(enlarge()->isChecked());
  enlarge()->click();
  EXPECT_EQ(view()->zoom(), 4);
  action("ActualSize1")->trigger();
  EXPECT_EQ(view()->zoom(), 1);
  EXPECT_FALSE(action("ZoomOut1")->isEnabled());
  action("ZoomIn1")->trigger();
  WriteBitmap("MALE1.BMP", IndexedBitmap(30, 40, TableWithSet1Markers({1})));
  control<QRadioButton>(RadioButtonName(1))->click();
  EXPECT_EQ(view()->size(), QSize(60, 80));
}

// A skin taller than the screen, then enlarged: the window stops at the screen, what does not fit
// scrolls, and no larger size is stored.
TEST_F(WindowView, APictureLargerThanTheScreenScrollsInsideIt) {
  MainWindow& window = StartWithBody(400, 1400);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (bool enlarged : {false, true}) {
    SCOPED_TRACE(enlarged);
    if (enlarged) enlarge()->click();
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
    const auto* scroller = control<QScrollArea>("ImageScroll");
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroller->horizontalScrollBar()->maximum() > 0, enlarged);
  }
  action("ZoomToFit1")->trigger();
  EXPECT_EQ(view()->zoom(), 1);
  window.close();
  EXPECT_LE(IniFile(files().iniPath.toStdString()).ReadInteger("TForm1", "Height", 0),
            available().height());
}

// Checked before any event is handled: activation comes later, if at all.
TEST_F(WindowView, TheBoardIsFilledWhenTheWindowIsShownWithoutBeingActivated) {
  StartWindow().show();
  EXPECT_EQ(FromQColor(shape(BoardSwatchNumber(17))->fill()), ReferenceColour(17));
}

}  // namespace
}  // namespace tintara
