// Colours from other programs and the picture reach the slots through the window.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/shown_window_fixture.h"
#include "board/picture_view.h"
#include "board/slot_panel.h"

namespace tintara {
namespace {

using Colours = ShownWindowTest;

// Codes 84 and 22 share a colour: the palette text copied beside the "#RRGGBB" lines gives slot 1
// its own code back, where the colour alone would find 22. Nothing changes, so no step is taken.
TEST_F(Colours, CopiedColoursPasteBackWithoutAStep) {
  edit()->setText("84 5 6 ");
  control<QPushButton>("BOldColors")->click();
  action("CopyColours1")->trigger();
  action("PasteColours1")->trigger();
  EXPECT_EQ(label(6)->text(), "84");
  EXPECT_EQ(action("Undo1")->text(), "&Undo Apply Color Codes");
  EXPECT_TRUE(errors_.isEmpty());
}

// A click on a pixel that slot 3 paints (colour-table position 19) selects slot 3 at any zoom.
TEST_F(Colours, AClickOnThePictureSelectsTheSlotThatPaintsThePixel) {
  auto* view = control<PictureView>("Image1");
  view->setZoom(3);
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3 * 3 + 1, 1 * 3 + 2));
  EXPECT_EQ(control<SlotPanel>("SlotPanel")->selectedSlot(), 3);
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(1, 1));  // (0, 0) would be the centre
  EXPECT_TRUE(notice()->text().startsWith("Not a code slot: colour-table entry 0, #"))
      << notice()->text().toStdString();
  EXPECT_EQ(control<SlotPanel>("SlotPanel")->selectedSlot(), 3);
}

}  // namespace
}  // namespace tintara
