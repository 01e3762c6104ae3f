// What screen readers see of the child windows.
#include "app/accessible_windows.h"

#include <QAccessible>
#include <QComboBox>

#include "app/random_codes_dialog.h"
#include "app/window_fixture.h"

namespace tintara {
namespace {

using AccessibleWindows = WindowTest;

TEST_F(AccessibleWindows, TheChildWindowsAreFramesNamedByTheirTitles) {
  OpenChildWindows();
  for (QWidget* window : childWindows()) {
    ASSERT_NE(window, nullptr);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(shown->role(), QAccessible::Window) << window->objectName().toStdString();
    EXPECT_EQ(shown->text(QAccessible::Name), window->windowTitle());
  }
}

// The value is read as the value; the name says what it is the value of.
TEST_F(AccessibleWindows, AComboBoxIsNamedByItsLabel) {
  OpenChildWindows();
  action("RandomCodes1")->trigger();
  const struct {
    const char* window;
    const char* name;
  } labelled[] = {{"CompareWindow", "Zoom"}, {"RandomCodes", "Mode"}};
  for (const auto& [window, name] : labelled) {
    auto* combo = control<QWidget>(window)->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr) << window;
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(combo);
    EXPECT_EQ(shown->text(QAccessible::Name), name) << window;
    EXPECT_EQ(shown->text(QAccessible::Value), combo->currentText()) << window;
  }
}

}  // namespace
}  // namespace tintara
