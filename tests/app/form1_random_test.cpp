#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <set>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "board/shape_control.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"

namespace tintara {
namespace {

std::vector<std::int32_t> Codes(const PaintModel& model) {
  std::vector<std::int32_t> codes;
  for (const SlotRecord& slot : model.slots) codes.push_back(slot.code);
  return codes;
}

// A shown window whose start-up body has every slot at position 16 + slot (pixel i shows
// position i), so that real mouse clicks reach the labels.
class RandomCodes : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    StartWindow();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  QCheckBox* group(int g) const { return control<QCheckBox>(QStringLiteral("DBGroup%1").arg(g)); }
  void OnlyGroups(std::initializer_list<int> groups) const {
    for (int g = 1; g <= kGroupCount; ++g) group(g)->setChecked(false);
    for (int g : groups) group(g)->setChecked(true);
  }
  void Gee() const { control<QPushButton>("Button1")->click(); }
  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
  Colour Shown(int index) const {
    const QImage& picture = control<PictureView>("Image1")->picture();
    return FromDisplayPixel(picture.pixel(index % 16, index / 16));
  }
  // A click as the user makes it: press and release through the window.
  void ClickSkinCaption() const {
    QLabel* caption = label(4);
    const QPoint at = caption->mapTo(window_.get(), caption->rect().center());
    QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, at);
  }
  void ExpectSkin(const std::array<int, 5>& codes) const {
    for (int k = 0; k < 5; ++k) {
      const int s = 6 + k;
      SCOPED_TRACE(s);
      EXPECT_EQ(session().model().slots[s - 1].code, codes[k]);
      EXPECT_EQ(label(5 + s)->text(), QString::number(codes[k]));
      EXPECT_EQ(shape(256 + s)->fill(), QColor::fromRgb(ToDisplayPixel(ReferenceColour(codes[k]))));
      EXPECT_EQ(Shown(16 + s), ReferenceColour(codes[k]));
    }
  }
};

TEST_F(RandomCodes, ADoubleClickOnTheSkinCaptionIsOneClick) {
  QLabel* caption = label(4);
  const QPoint at = caption->mapTo(window_.get(), caption->rect().center());
  QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {}, at);
  ExpectSkin({78, 76, 74, 72, 70});
  EXPECT_TRUE(session().model().skinToggle);
  EXPECT_EQ(session().model().lastCodes, kDefaultCodeString);
}

}  // namespace
}  // namespace tintara
