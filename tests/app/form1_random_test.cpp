#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <set>

#include "board/image_view.h"
#include "board/shape_control.h"
#include "gui/form_fixture.h"
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
class RandomCodes : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 16))));
    StartForm();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }

  QCheckBox* group(int g) const {
    return form_->control<QCheckBox>(QStringLiteral("DBGroup%1").arg(g));
  }
  void OnlyGroups(std::initializer_list<int> groups) const {
    for (int g = 1; g <= kGroupCount; ++g) group(g)->setChecked(false);
    for (int g : groups) group(g)->setChecked(true);
  }
  void Gee() const { form_->control<QPushButton>("Button1")->click(); }
  QLineEdit* edit() const { return form_->control<QLineEdit>("Edit1"); }
  Colour Shown(int index) const {
    const QImage& picture = form_->control<ImageView>("Image1")->picture();
    return FromDisplayPixel(picture.pixel(index % 16, index / 16));
  }
  // A click as the user makes it: press and release through the window.
  void ClickSkinCaption() const {
    QLabel* caption = form_->label(4);
    const QPoint at = caption->mapTo(form_.get(), caption->rect().center());
    QTest::mousePress(form_->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(form_->windowHandle(), Qt::LeftButton, {}, at);
  }
  void ExpectSkin(const std::array<int, 5>& codes) const {
    for (int k = 0; k < 5; ++k) {
      const int s = 6 + k;
      SCOPED_TRACE(s);
      EXPECT_EQ(form_->model().slots[s - 1].code, codes[k]);
      EXPECT_EQ(form_->label(5 + s)->text(), QString::number(codes[k]));
      EXPECT_EQ(form_->shape(256 + s)->fill(),
                QColor::fromRgb(ToDisplayPixel(ReferenceColour(codes[k]))));
      EXPECT_EQ(Shown(16 + s), ReferenceColour(codes[k]));
    }
  }
};

TEST_F(RandomCodes, NoGroupCheckedChangesNoCodeButStillRecolours) {
  // A code string that stops at a bad token sets slot 1 without recolouring the picture.
  edit()->setText("5 x");
  form_->control<QPushButton>("BOldColors")->click();
  ASSERT_EQ(errors_.size(), 1);
  ASSERT_EQ(Shown(17), kSlots[0].set1Marker);
  OnlyGroups({});
  const std::vector<std::int32_t> before = Codes(form_->model());
  Gee();
  EXPECT_EQ(Codes(form_->model()), before);
  EXPECT_EQ(Shown(17), ReferenceColour(5));
  EXPECT_TRUE(edit()->text().startsWith("5 223 224 127 "));
}

TEST_F(RandomCodes, EachCheckedSlotTakesTheNextDrawInSlotOrder) {
  const struct {
    const char* name;
    std::initializer_list<int> groups;
  } cases[] = {
      {"group 4 only", {4}},
      {"groups 1 and 3", {1, 3}},
      {"all groups", {1, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OnlyGroups(c.groups);
    std::vector<std::int32_t> expected = Codes(form_->model());
    std::vector<Colour> colours;
    RandomGenerator twin(4242);
    for (int s = 1; s <= kSlotCount; ++s) {
      if (group(kSlots[s - 1].group)->isChecked()) expected[s - 1] = DrawCode(twin);
      colours.push_back(group(kSlots[s - 1].group)->isChecked()
                            ? ReferenceColour(expected[s - 1])
                            : form_->model().slots[s - 1].colour);
    }
    form_->randomGenerator() = RandomGenerator(4242);
    Gee();
    EXPECT_EQ(Codes(form_->model()), expected);
    for (int s = 1; s <= kSlotCount; ++s) {
      EXPECT_EQ(form_->label(5 + s)->text(), QString::number(expected[s - 1])) << "slot " << s;
      EXPECT_EQ(Shown(16 + s), colours[s - 1]) << "slot " << s;
    }
  }
}

TEST_F(RandomCodes, ASlotTheImageLacksStillDrawsItsCode) {
  WriteBitmap("MALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 15))));
  form_->control<QAbstractButton>("RadioButton1")->click();
  ASSERT_FALSE(group(4)->isChecked());
  OnlyGroups({4});
  RandomGenerator twin(7);
  form_->randomGenerator() = RandomGenerator(7);
  Gee();
  EXPECT_EQ(edit()->text().split(' ').value(15).toInt(), DrawCode(twin));
}

TEST_F(RandomCodes, GeeMovesTheFocusToEnlargeAndKeepsTheLastCodes) {
  edit()->setText("1 2 3 ");
  form_->control<QPushButton>("BOldColors")->click();
  const std::string last = form_->model().lastCodes;
  edit()->setFocus();
  Gee();
  EXPECT_EQ(form_->focusWidget(), form_->control<QCheckBox>("CheckBox1"));
  EXPECT_EQ(form_->model().lastCodes, last);
}

TEST_F(RandomCodes, ManyDrawsGiveEveryCodeFrom1To239AndNoOther) {
  form_->randomGenerator() = RandomGenerator(20240307);
  std::set<std::int32_t> seen;
  for (int click = 0; click < 400; ++click) {
    Gee();
    for (std::int32_t code : Codes(form_->model())) seen.insert(code);
  }
  ASSERT_EQ(seen.size(), 239u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 239);
}

TEST_F(RandomCodes, SkinCaptionAlternatesThePresetsAcrossReloads) {
  const std::array<int, 5> presetA = {78, 76, 74, 72, 70};
  const std::array<int, 5> presetB = {51, 53, 55, 57, 59};
  const std::vector<std::int32_t> before = Codes(form_->model());
  group(2)->setChecked(false);  // plays no part in the presets
  edit()->setFocus();
  ClickSkinCaption();
  ExpectSkin(presetA);
  EXPECT_EQ(form_->focusWidget(), edit());
  for (int s : {1, 5, 11, 16}) EXPECT_EQ(form_->model().slots[s - 1].code, before[s - 1]);
  ClickSkinCaption();
  ExpectSkin(presetB);
  form_->control<QPushButton>("BRevert")->click();
  ClickSkinCaption();
  ExpectSkin(presetA);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(RandomCodes, ADoubleClickOnTheSkinCaptionIsOneClick) {
  QLabel* caption = form_->label(4);
  const QPoint at = caption->mapTo(form_.get(), caption->rect().center());
  QTest::mouseDClick(form_->windowHandle(), Qt::LeftButton, {}, at);
  ExpectSkin({78, 76, 74, 72, 70});
  EXPECT_TRUE(form_->model().skinToggle);
  EXPECT_EQ(form_->model().lastCodes, kDefaultCodeString);
}

TEST_F(RandomCodes, RestoreAfterAPresetBringsBackTheCodesShownBefore) {
  edit()->setText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");
  form_->control<QPushButton>("BOldColors")->click();
  const QString shown = edit()->text();
  ClickSkinCaption();
  ASSERT_EQ(form_->model().slots[5].code, 78);
  form_->control<QToolButton>("BitBtn1")->click();
  EXPECT_EQ(edit()->text(), shown);
  EXPECT_EQ(form_->model().slots[5].code, 6);
  EXPECT_EQ(Shown(22), ReferenceColour(6));

  // "Gee!" does not remember its codes, the preset does: restoring brings back the drawn ones.
  Gee();
  const QString drawn = edit()->text();
  ClickSkinCaption();
  form_->control<QToolButton>("BitBtn1")->click();
  EXPECT_EQ(edit()->text(), drawn);

  // Text holding the default code string is not remembered: the older codes come back.
  edit()->setText(QString::fromLatin1(kDefaultCodeString));
  ClickSkinCaption();
  form_->control<QToolButton>("BitBtn1")->click();
  EXPECT_EQ(edit()->text(), drawn);
  EXPECT_TRUE(errors_.isEmpty());
}

}  // namespace
}  // namespace tintara
