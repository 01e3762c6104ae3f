#include "app/random_codes_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace tintara {
namespace {

TEST(RandomCodesDialog, RollsAgainOnlyFromASeedOfThirtyTwoBitsAndSaysWhyNot) {
  RandomCodesDialog dialog(nullptr);
  dialog.showSettings({.harmony = Harmony::Tones, .anyColourForSkin = true}, 7);
  QSignalSpy rolled(&dialog, &RandomCodesDialog::rollAgain);
  const struct {
    const char* text;
    bool accepted;
  } cases[] = {{"4294967295", true}, {"4294967296", false}, {"", false}, {"0", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    dialog.seedEdit()->setText(c.text);
    EXPECT_EQ(dialog.rollAgainButton()->isEnabled(), c.accepted);
    EXPECT_EQ(dialog.findChild<QLabel*>("SeedProblem")->text().isEmpty(), c.accepted);
    rolled.clear();
    dialog.rollAgainButton()->click();
    ASSERT_EQ(rolled.size(), c.accepted ? 1 : 0);
    if (!c.accepted) continue;
    EXPECT_EQ(rolled[0][0].value<std::uint32_t>(), QString(c.text).toULongLong());
    const auto settings = rolled[0][1].value<RandomCodeSettings>();
    EXPECT_EQ(settings.harmony, Harmony::Tones);
    EXPECT_TRUE(settings.anyColourForSkin);
  }
}

// "Clear" ends drawing from a palette at once, and OK afterwards does not bring it back. The
// palette's name is shown as it is, never as markup or as a place for numbers.
TEST(RandomCodesDialog, ClearEndsDrawingFromAPalette) {
  RandomCodesDialog dialog(nullptr);
  const std::vector<std::int32_t> codes = {5, 6};
  dialog.showSettings({.drawFrom = DrawingCodesNamed("<b>Sun</b> %2", codes)}, 7);
  const auto* drawing = dialog.findChild<QLabel*>("DrawingFrom");
  EXPECT_TRUE(drawing->text().contains("<b>Sun</b> %2 (2 codes)"));
  EXPECT_EQ(drawing->textFormat(), Qt::PlainText);
  QSignalSpy cleared(&dialog, &RandomCodesDialog::clearDrawingChosen);
  dialog.findChild<QPushButton*>("ClearDrawing")->click();
  EXPECT_EQ(cleared.size(), 1);
  EXPECT_FALSE(dialog.settings().drawFrom);
  EXPECT_TRUE(drawing->isHidden());
}

}  // namespace
}  // namespace tintara
