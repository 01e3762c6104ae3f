#include "board/swatch_board.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "board/control_names.h"
#include "board/shape_control.h"
#include "board/slot_panel.h"
#include "board/user_input.h"
#include "paint/reference_palette.h"
#include "platform/colour.h"

namespace tintara {
namespace {

using Figure = ShapeControl::Figure;

QColor Reference(int code) { return QColor::fromRgb(ToDisplayPixel(ReferenceColour(code))); }

TEST(SwatchBoardFill, FillsColoursAndHintsTheFirstTimeOnly) {
  SwatchBoard board(nullptr);
  const struct {
    int code;
    const char* hint;
  } cases[] = {{0, "Code 0 - not used "},
               {17, "Code 17 "},
               {238, "Code 238 "},
               {239, "Code 239 - not used "},
               {255, "Code 255 - not used "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(board.swatch(c.code)->fill(), QColor(0xDD, 0xCC, 0xFF));  // FFCCDD as BBGGRR
    EXPECT_TRUE(board.swatch(c.code)->toolTip().isEmpty());
  }
  EXPECT_TRUE(board.fillOnce());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(board.swatch(c.code)->fill(), Reference(c.code));
    EXPECT_EQ(board.swatch(c.code)->toolTip().toStdString(), c.hint);
    EXPECT_EQ(board.swatch(c.code)->toolTipDuration(), 5000);
  }
  ShapeControl* swatch = board.swatch(17);
  swatch->setFill(Qt::green);
  swatch->setToolTip("kept");
  EXPECT_FALSE(board.fillOnce());
  EXPECT_EQ(swatch->fill(), QColor(Qt::green));
  EXPECT_EQ(swatch->toolTip(), "kept");
}

// A shown window as the user sees it: a button beneath the whole client area, as the window's
// other controls lie beneath the views, then the filled board and the slot panel over it.
class SwatchBoardInput : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(400, 340);
    beneath_ = new QPushButton(&window_);
    beneath_->setGeometry(0, 0, 400, 340);
    auto* markerSetPanel = new QWidget(&window_);
    markerSetPanel->setGeometry(0, 320, 130, 15);
    board_ = new SwatchBoard(&window_);
    panel_ = new SlotPanel(&window_, markerSetPanel);
    board_->fillOnce();
    ASSERT_TRUE(ShowForInput(window_));
  }

  ShapeControl* swatch(int code) const { return board_->swatch(code); }
  ShapeControl* slotSwatch(int slot) const {
    return window_.findChild<ShapeControl*>(SlotSwatchName(slot));
  }
  QColor Sample() const { return board_->sampleSwatch()->fill(); }
  QString SampleLabel() const { return window_.findChild<QLabel*>("LSample")->text(); }

  QWidget window_;
  QPushButton* beneath_ = nullptr;
  SwatchBoard* board_ = nullptr;
  SlotPanel* panel_ = nullptr;
};

TEST_F(SwatchBoardInput, ADragShowsTheSwatchInTheSampleAndMovesTheCircleToIt) {
  // Code 0's swatch is the one marked at first; a circle on it shows whether the first drag
  // takes the mark away.
  swatch(0)->setFigure(Figure::Circle);
  const struct {
    int code;
    int previous;
  } drags[] = {{17, 0}, {29, 17}};
  for (const auto& d : drags) {
    SCOPED_TRACE(d.code);
    Press(swatch(d.code));
    EXPECT_EQ(Sample(), Reference(d.code));
    EXPECT_EQ(SampleLabel(), QString::number(d.code));
    EXPECT_EQ(swatch(d.code)->figure(), Figure::Circle);
    EXPECT_EQ(swatch(d.previous)->figure(), Figure::Rectangle);
    Release(swatch(d.code));
  }
}

TEST_F(SwatchBoardInput, ARightPressSetsOnlyTheSampleColour) {
  Drag(swatch(29), swatch(100));
  Press(swatch(17), Qt::RightButton);
  Release(swatch(17), Qt::RightButton);
  EXPECT_EQ(Sample(), Reference(17));
  EXPECT_EQ(SampleLabel(), "29");
  EXPECT_EQ(swatch(29)->figure(), Figure::Circle);
  EXPECT_EQ(swatch(17)->figure(), Figure::Rectangle);
}

TEST_F(SwatchBoardInput, ReservedSwatchesNeitherDragNorChangeTheSample) {
  Drag(swatch(17), swatch(100));
  QSignalSpy dropped(board_, &SwatchBoard::swatchDropped);
  for (int code : {0, 239, 255}) {
    SCOPED_TRACE(code);
    Press(swatch(code), Qt::RightButton);
    Release(swatch(code), Qt::RightButton);
    Drag(swatch(code), slotSwatch(1));
    EXPECT_EQ(Sample(), Reference(17));
    EXPECT_EQ(SampleLabel(), "17");
    EXPECT_EQ(swatch(code)->figure(), Figure::Rectangle);
  }
  EXPECT_EQ(swatch(17)->figure(), Figure::Circle);
  EXPECT_EQ(dropped.count(), 0);
}

TEST_F(SwatchBoardInput, ASwatchIsDroppedOnlyOnAVisibleSlotSwatch) {
  slotSwatch(16)->hide();  // as the panel shows a picture without slot 16
  const struct {
    const char* over;
    const QWidget* place;
    int slot;  // 0: no drop
  } cases[] = {{"another board swatch", swatch(100), 0},
               {"hidden slot swatch", slotSwatch(16), 0},
               {"visible slot swatch", slotSwatch(7), 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.over);
    QSignalSpy dropped(board_, &SwatchBoard::swatchDropped);
    Drag(swatch(17), c.place);
    if (c.slot == 0) {
      EXPECT_EQ(dropped.count(), 0);
      continue;
    }
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toInt(), 17);
    EXPECT_EQ(dropped.at(0).at(1).toInt(), c.slot);
  }
}

// The board with the keyboard focus.
class SwatchBoardKeys : public SwatchBoardInput {
 protected:
  void SetUp() override {
    SwatchBoardInput::SetUp();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    board_->setFocus(Qt::TabFocusReason);
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(board_, key, modifiers);
  }
};

TEST_F(SwatchBoardKeys, KeysMoveTheMarkedCurrentSwatchAndStopAtTheEdges) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int current;
  } steps[] = {{Qt::Key_Left, {}, 0},   {Qt::Key_Up, {}, 0},
               {Qt::Key_Right, {}, 1},  {Qt::Key_Down, {}, 17},
               {Qt::Key_End, {}, 31},   {Qt::Key_Right, {}, 31},
               {Qt::Key_Home, {}, 16},  {Qt::Key_End, Qt::ControlModifier, 255},
               {Qt::Key_Down, {}, 255}, {Qt::Key_Up, {}, 239},
               {Qt::Key_Left, {}, 238}, {Qt::Key_Home, Qt::ControlModifier, 0}};
  int previous = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "key " << int(step.key));
    Key(step.key, step.modifiers);
    EXPECT_EQ(board_->currentCode(), step.current);
    EXPECT_TRUE(swatch(step.current)->hasFocusMark());
    if (previous != step.current) {
      EXPECT_FALSE(swatch(previous)->hasFocusMark());
    }
    previous = step.current;
  }
  beneath_->setFocus();
  EXPECT_FALSE(swatch(0)->hasFocusMark());
}

TEST_F(SwatchBoardKeys, EnterOrSpaceChoosesTheCurrentSwatchAsADragShowsItUnlessReserved) {
  QSignalSpy chosen(board_, &SwatchBoard::swatchChosen);
  Key(Qt::Key_Return);  // code 0
  Key(Qt::Key_Right);
  Key(Qt::Key_Space);
  Key(Qt::Key_End, Qt::ControlModifier);
  Key(Qt::Key_Enter);  // code 255
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);
  EXPECT_EQ(Sample(), Reference(1));
  EXPECT_EQ(SampleLabel(), "1");
  EXPECT_EQ(swatch(1)->figure(), Figure::Circle);
  EXPECT_EQ(swatch(255)->figure(), Figure::Rectangle);
}

TEST_F(SwatchBoardInput, ViewsKeepTheirControlsInPlaceAndLetTheRestOfTheAreaThrough) {
  const auto inWindow = [this](const QWidget* control) {
    return QRect(control->mapTo(&window_, QPoint(0, 0)), control->size());
  };
  EXPECT_EQ(inWindow(swatch(99)), QRect(8 + 15 * 3, 8 + 15 * 6, 16, 16));
  EXPECT_EQ(inWindow(slotSwatch(16)), QRect(304, 152, 16, 16));
  EXPECT_EQ(inWindow(window_.findChild<QWidget*>(SlotLabelName(5))), QRect(349, 40, 24, 13));

  // Both views lie over the whole client area: a point below the board is still inside them.
  const QPoint belowTheBoard(100, 290);
  ASSERT_TRUE(board_->geometry().contains(belowTheBoard));
  const struct {
    const char* what;
    QPoint point;
    bool reachesBeneath;
  } cases[] = {{"below the board, left of the sample", belowTheBoard, true},
               {"between the first two slot swatches", {275, 30}, true},
               {"a board swatch", CentreInWindow(swatch(17)), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(panel_->geometry().contains(c.point));
    QSignalSpy pressed(beneath_, &QPushButton::pressed);
    QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, c.point);
    EXPECT_EQ(pressed.count(), c.reachesBeneath ? 1 : 0);
  }
}

}  // namespace
}  // namespace tintara
