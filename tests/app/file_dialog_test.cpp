#include "app/file_dialog.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(FileDialog, FiltersReachQtWithBlankSeparatedPatterns) {
  EXPECT_EQ(QtNameFilter("All (*.jpg;*.jpeg)"), "All (*.jpg *.jpeg)");
  EXPECT_EQ(QtNameFilter("JPEG Image File (*.jpg)"), "JPEG Image File (*.jpg)");
  EXPECT_EQ(QtNameFilter("A;B (*.x;*.y)"), "A;B (*.x *.y)");
  EXPECT_EQ(QtNameFilter("no patterns"), "no patterns");
}

}  // namespace
}  // namespace tintara
