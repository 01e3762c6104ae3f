#pragma once

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/window_fixture.h"
#include "board/picture_view.h"

namespace tintara {

// A shown, activated window whose start-up body has every slot at position 16 + slot; pixel i
// of its picture shows colour-table position i.
class ShownWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    WriteBitmap("MALE1.BMP", IndexedBitmap(16, 5, TableWithSet1Markers(SlotRange(1, 16))));
    StartWindow();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shape(18)->toolTip() != ""; }));
  }

  // Mouse input through the window, so that a pressed control keeps the mouse until the release.
  QPoint At(const QWidget* control) const {
    return control->mapTo(window_.get(), control->rect().center());
  }
  void Click(const QWidget* control) const {
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, At(control));
  }
  void Drag(const QWidget* source, const QWidget* target) const {
    QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, At(source));
    QTest::mouseMove(window_->windowHandle(), At(target));
    QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, At(target));
  }
  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
  QRadioButton* radio(int body) const { return control<QRadioButton>(RadioButtonName(body)); }
  const QImage& picture() const { return control<PictureView>("Image1")->picture(); }
  Colour Shown(int index) const {
    return FromDisplayPixel(picture().pixel(index % 16, index / 16));
  }
};

}  // namespace tintara
