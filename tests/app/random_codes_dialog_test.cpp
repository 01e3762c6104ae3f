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

}  // namespace
}  // namespace tintara
