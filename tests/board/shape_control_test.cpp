#include "board/shape_control.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "board/user_input.h"

namespace tintara {
namespace {

ShapeControl* EndTarget(const QSignalSpy& ended, qsizetype k) {
  return ended.at(k).at(0).value<ShapeControl*>();
}

// A shown window with a row of shape controls: one draggable, a drop target, a hidden drop
// target and one that is neither.
class ShapeControlDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(200, 60);
    source_ = AddControl(1, 10);
    source_->setDraggable(true);
    target_ = AddControl(2, 50);
    target_->setDropTarget(true);
    hiddenTarget_ = AddControl(3, 90);
    hiddenTarget_->setDropTarget(true);
    hiddenTarget_->hide();
    plain_ = AddControl(4, 130);
    ASSERT_TRUE(ShowForInput(window_));
  }

  ShapeControl* AddControl(int number, int left) {
    auto* control = new ShapeControl(number, &window_);
    control->setGeometry(left, 20, 16, 16);
    return control;
  }

  QWidget window_;
  ShapeControl* source_ = nullptr;
  ShapeControl* target_ = nullptr;
  ShapeControl* hiddenTarget_ = nullptr;
  ShapeControl* plain_ = nullptr;
};

TEST_F(ShapeControlDrag, ReleaseReportsTheVisibleDropTargetUnderTheCursor) {
  const struct {
    const char* over;
    const ShapeControl* place;
    const ShapeControl* reported;
  } cases[] = {{"visible drop target", target_, target_},
               {"hidden drop target", hiddenTarget_, nullptr},
               {"control that takes no drop", plain_, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.over);
    QSignalSpy started(source_, &ShapeControl::dragStarted);
    QSignalSpy ended(source_, &ShapeControl::dragEnded);
    Drag(source_, c.place);
    EXPECT_EQ(started.count(), 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(EndTarget(ended, 0), c.reported);
  }
}

TEST_F(ShapeControlDrag, EscapeOrAPressOfAnotherButtonCancelsTheDrag) {
  const struct {
    const char* name;
    std::function<void()> cancel;
  } cases[] = {
      {"Escape", [this] { QTest::keyClick(window_.windowHandle(), Qt::Key_Escape); }},
      {"another button",
       [this] {
         Press(target_, Qt::RightButton);
         Release(target_, Qt::RightButton);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QSignalSpy ended(source_, &ShapeControl::dragEnded);
    Press(source_);
    MoveOver(target_);
    c.cancel();
    const qsizetype endedBeforeRelease = ended.count();
    Release(target_);
    EXPECT_EQ(endedBeforeRelease, 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(EndTarget(ended, 0), nullptr);
  }
}

TEST_F(ShapeControlDrag, AControlThatIsNotDraggableReportsAPressInstead) {
  QSignalSpy pressed(plain_, &ShapeControl::pressed);
  QSignalSpy started(plain_, &ShapeControl::dragStarted);
  QSignalSpy ended(plain_, &ShapeControl::dragEnded);
  Press(plain_);
  Release(plain_);
  ASSERT_EQ(pressed.count(), 1);
  EXPECT_EQ(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
  EXPECT_EQ(started.count(), 0);
  EXPECT_EQ(ended.count(), 0);
}

}  // namespace
}  // namespace tintara
